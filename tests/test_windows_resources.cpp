// SPDX-License-Identifier: GPL-3.0-or-later
// The Windows program's own resources, read as Windows reads them: the icon Explorer and the
// taskbar show, at each size Windows asks for, is the window icon drawn for that size; the
// file's properties name the program and its version.
#include <QImage>
#include <QString>

#include <gtest/gtest.h>

#include <windows.h>

#include <algorithm>
#include <cstdlib>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

const wchar_t *programPath()
{
    static const std::wstring path = QString::fromUtf8(NN_PROGRAM_EXE).toStdWString();
    return path.c_str();
}

// One value of the version resource's Russian string table.
QString versionString(const std::vector<char> &info, const wchar_t *name)
{
    const std::wstring key = std::wstring(L"\\StringFileInfo\\041904B0\\") + name;
    void *value = nullptr;
    UINT length = 0;
    if (!VerQueryValueW(info.data(), key.c_str(), &value, &length) || length == 0) {
        return {};
    }
    return QString::fromWCharArray(static_cast<const wchar_t *>(value), int(length) - 1);
}

struct ModuleFree
{
    void operator()(HMODULE module) const { FreeLibrary(module); }
};

} // namespace

TEST(WindowsProgram, ItsPropertiesNameTheProgramAndItsVersion)
{
    DWORD ignored = 0;
    const DWORD size = GetFileVersionInfoSizeW(programPath(), &ignored);
    ASSERT_GT(size, 0u) << "no version resource in " << NN_PROGRAM_EXE;
    std::vector<char> info(size);
    ASSERT_TRUE(GetFileVersionInfoW(programPath(), 0, size, info.data()));

    EXPECT_EQ(versionString(info, L"FileDescription"), QStringLiteral("Н и НН в прилагательных"));
    EXPECT_EQ(versionString(info, L"ProductName"), QStringLiteral("Н и НН в прилагательных"));
    EXPECT_EQ(versionString(info, L"ProductVersion"), QStringLiteral(NN_VERSION));
    EXPECT_EQ(versionString(info, L"OriginalFilename"), QStringLiteral("nn-trainer.exe"));

    VS_FIXEDFILEINFO *fixed = nullptr;
    UINT length = 0;
    ASSERT_TRUE(VerQueryValueW(info.data(), L"\\", reinterpret_cast<void **>(&fixed), &length));
    ASSERT_EQ(length, sizeof(VS_FIXEDFILEINFO));
    EXPECT_EQ(fixed->dwSignature, 0xFEEF04BDu);
    EXPECT_EQ(fixed->dwFileType, DWORD(VFT_APP));
    for (const auto &[ms, ls] : {std::pair{fixed->dwProductVersionMS, fixed->dwProductVersionLS},
                                 std::pair{fixed->dwFileVersionMS, fixed->dwFileVersionLS}}) {
        const QString dotted =
            QStringLiteral("%1.%2.%3").arg(HIWORD(ms)).arg(LOWORD(ms)).arg(HIWORD(ls));
        EXPECT_EQ(dotted, QStringLiteral(NN_VERSION));
    }
    EXPECT_TRUE(versionString(info, L"LegalCopyright").startsWith(QStringLiteral("© 2026 ")))
        << qPrintable(versionString(info, L"LegalCopyright"));
}

// Windows picks the icon picture of the size it needs from the group; each must be the drawn
// icon of that size, pixel for pixel, not a smaller one scaled up.
TEST(WindowsProgram, ItsIconIsTheWindowIconAtEverySizeWindowsAsksFor)
{
    const std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFree> program(LoadLibraryExW(
        programPath(), nullptr, LOAD_LIBRARY_AS_DATAFILE | LOAD_LIBRARY_AS_IMAGE_RESOURCE));
    ASSERT_TRUE(program) << "cannot open " << NN_PROGRAM_EXE;
    for (int size : {16, 32, 48, 256}) {
        SCOPED_TRACE(size);
        HICON icon = static_cast<HICON>(
            LoadImageW(program.get(), MAKEINTRESOURCEW(1), IMAGE_ICON, size, size, 0));
        ASSERT_TRUE(icon) << "no icon of " << size << " pixels";
        const QImage shown = QImage::fromHICON(icon).convertToFormat(QImage::Format_ARGB32);
        DestroyIcon(icon);
        const QImage drawn = QImage(QStringLiteral(NN_ASSETS_DIR "/WindowIcon%1.png").arg(size))
                                 .convertToFormat(QImage::Format_ARGB32);
        ASSERT_EQ(shown.size(), drawn.size());
        int differing = 0;
        for (int y = 0; y < size; ++y) {
            for (int x = 0; x < size; ++x) {
                const QRgb a = shown.pixel(x, y);
                const QRgb b = drawn.pixel(x, y);
                // Windows keeps the icon premultiplied: a see-through pixel's colour comes back
                // within the rounding of its opacity; an opaque one exactly.
                const int alpha = qAlpha(b);
                const int slack = alpha == 255 ? 0 : 255 / std::max(alpha, 1) + 1;
                const bool same = qAlpha(a) == alpha &&
                                  (alpha == 0 || (std::abs(qRed(a) - qRed(b)) <= slack &&
                                                  std::abs(qGreen(a) - qGreen(b)) <= slack &&
                                                  std::abs(qBlue(a) - qBlue(b)) <= slack));
                if (!same && differing++ < 3) {
                    ADD_FAILURE() << "at " << x << "," << y << ": shown " << std::hex << a
                                  << ", drawn " << b << std::dec;
                }
            }
        }
        EXPECT_EQ(differing, 0);
    }
}
