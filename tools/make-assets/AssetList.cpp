// SPDX-License-Identifier: GPL-3.0-or-later
#include "AssetList.h"

#include "Bmp8File.h"
#include "BmpFile.h"
#include "Bord1.h"
#include "CompletionMark.h"
#include "GradientStrip.h"
#include "IcoFile.h"
#include "JpegFile.h"
#include "LetterPictures.h"
#include "PngFile.h"
#include "SmilingFace.h"
#include "TeasingFace.h"
#include "WindowIcon.h"

namespace {

// Every drawn size of the window icon, for the Windows icon file.
std::vector<IcoPicture> windowIconPictures()
{
    std::vector<IcoPicture> pictures;
    for (int size : {16, 32, 48, 64, 128, 256}) {
        pictures.push_back({size, WritePng(DrawWindowIcon(size))});
    }
    return pictures;
}

} // namespace

const std::vector<AssetFile> &AssetFiles()
{
    static const std::vector<AssetFile> files = {
        {"BORD1.bmp", [] { return WriteBmp(DrawBord1()); }},
        {"BORD1@2x.bmp", [] { return WriteBmp(DrawBord1(2)); }},
        {"BORD1@3x.bmp", [] { return WriteBmp(DrawBord1(3)); }},
        {"CompletionMark.jpg",
         [] { return WriteJpeg(DrawCompletionMark(), kCompletionMarkQuality); }},
        {"CompletionMark@2x.jpg",
         [] { return WriteJpeg(DrawCompletionMark(2), kCompletionMarkQuality); }},
        {"PictureN.bmp", [] { return WriteBmp(DrawPictureN()); }},
        {"PictureN@2x.bmp", [] { return WriteBmp(DrawPictureN(2)); }},
        {"PictureNN.bmp", [] { return WriteBmp(DrawPictureNN()); }},
        {"PictureNN@2x.bmp", [] { return WriteBmp(DrawPictureNN(2)); }},
        {"GradientStrip.bmp", [] { return WriteBmp(DrawGradientStrip()); }},
        {"GradientStrip@2x.bmp", [] { return WriteBmp(DrawGradientStrip(2)); }},
        {"SmilingFace.bmp", [] { return WriteBmp8(DrawSmilingFace()); }},
        {"SmilingFace@2x.bmp", [] { return WriteBmp8(DrawSmilingFace(2)); }},
        {"TeasingFace.bmp", [] { return WriteBmp8(DrawTeasingFace()); }},
        {"TeasingFace@2x.bmp", [] { return WriteBmp8(DrawTeasingFace(2)); }},
        {"WindowIcon16.png", [] { return WritePng(DrawWindowIcon(16)); }},
        {"WindowIcon32.png", [] { return WritePng(DrawWindowIcon(32)); }},
        {"WindowIcon48.png", [] { return WritePng(DrawWindowIcon(48)); }, false},
        {"WindowIcon64.png", [] { return WritePng(DrawWindowIcon(64)); }, false},
        {"WindowIcon128.png", [] { return WritePng(DrawWindowIcon(128)); }, false},
        {"WindowIcon256.png", [] { return WritePng(DrawWindowIcon(256)); }, false},
        {"WindowIcon.ico", [] { return WriteIco(windowIconPictures()); }, false},
    };
    return files;
}
