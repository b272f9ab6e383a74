#include "AssetList.h"

#include "Bmp8File.h"
#include "BmpFile.h"
#include "Bord1.h"
#include "CompletionMark.h"
#include "GradientStrip.h"
#include "JpegFile.h"
#include "LetterPictures.h"
#include "PngFile.h"
#include "SmilingFace.h"
#include "TeasingFace.h"
#include "WindowIcon.h"

const std::vector<AssetFile> &AssetFiles()
{
    static const std::vector<AssetFile> files = {
        {"BORD1.bmp", [] { return WriteBmp(DrawBord1()); }},
        {"CompletionMark.jpg",
         [] { return WriteJpeg(DrawCompletionMark(), kCompletionMarkQuality); }},
        {"PictureN.bmp", [] { return WriteBmp(DrawPictureN()); }},
        {"PictureNN.bmp", [] { return WriteBmp(DrawPictureNN()); }},
        {"GradientStrip.bmp", [] { return WriteBmp(DrawGradientStrip()); }},
        {"SmilingFace.bmp", [] { return WriteBmp8(DrawSmilingFace()); }},
        {"TeasingFace.bmp", [] { return WriteBmp8(DrawTeasingFace()); }},
        {"WindowIcon16.png", [] { return WritePng(DrawWindowIcon(16)); }},
        {"WindowIcon32.png", [] { return WritePng(DrawWindowIcon(32)); }},
        {"WindowIcon48.png", [] { return WritePng(DrawWindowIcon(48)); }, false},
        {"WindowIcon64.png", [] { return WritePng(DrawWindowIcon(64)); }, false},
        {"WindowIcon128.png", [] { return WritePng(DrawWindowIcon(128)); }, false},
        {"WindowIcon256.png", [] { return WritePng(DrawWindowIcon(256)); }, false},
    };
    return files;
}
