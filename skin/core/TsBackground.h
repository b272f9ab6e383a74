// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "TsGradient.h"

#include <functional>
#include <string>
#include <string_view>

class TsHotBackground;

// The longest gradient description kept; a longer one is cut to this many characters.
constexpr std::size_t kMaxGradientDataLength = 255;

// Cuts UTF-8 text after its first `count` characters (never inside a character).
std::string_view CutToCharacters(std::string_view text, std::size_t count);

// The gradient of one background: its description, the parsed stops and its share.
class TsBGGradient
{
public:
    explicit TsBGGradient(TsHotBackground &owner) : m_owner(owner) {}
    TsBGGradient(const TsBGGradient &) = delete;
    TsBGGradient &operator=(const TsBGGradient &) = delete;

    const std::string &Data() const { return m_data; }
    // Stores a new description and rebuilds the stops, then tells the owner the look changed.
    // The same text again changes nothing. A word that is not an integer throws
    // TsConvertError and leaves text, stops and look as they were.
    void setData(std::string_view text);

    int Percent() const { return m_percent; }
    void setPercent(int percent);

    const TsGradArray &Stops() const { return m_stops; }

private:
    friend class TsHotBackground;
    friend class TsBGImage;
    TsHotBackground &m_owner;
    std::string m_data;
    TsGradArray m_stops;
    int m_percent = 70;
};

// The picture of one background. No button of the program has a picture; only its share
// takes part in the composition.
class TsBGImage
{
public:
    explicit TsBGImage(TsHotBackground &owner) : m_owner(owner) {}
    TsBGImage(const TsBGImage &) = delete;
    TsBGImage &operator=(const TsBGImage &) = delete;

    // No program button has a picture; the name is kept as a published property of the style.
    const std::string &ImageName() const { return m_imageName; }
    void setImageName(std::string name) { m_imageName = std::move(name); }

    int Percent() const { return m_percent; }
    void setPercent(int percent);

private:
    friend class TsHotBackground;
    friend class TsBGGradient;
    TsHotBackground &m_owner;
    std::string m_imageName;
    int m_percent = 0;
};

// The background of the hot state: a gradient and a picture whose shares never add up to more
// than 100. Every change of the look is reported through the change callback.
class TsHotBackground
{
public:
    explicit TsHotBackground(std::function<void()> changed = {});
    TsHotBackground(const TsHotBackground &) = delete;
    TsHotBackground &operator=(const TsHotBackground &) = delete;
    virtual ~TsHotBackground() = default;

    TsBGGradient *Gradient() { return &m_gradient; }
    const TsBGGradient *Gradient() const { return &m_gradient; }
    TsBGImage *Image() { return &m_image; }
    const TsBGImage *Image() const { return &m_image; }

    void setChangeCallback(std::function<void()> changed) { m_changed = std::move(changed); }

private:
    friend class TsBGGradient;
    friend class TsBGImage;
    void setShare(int &own, int &other, int value);
    void notify();

    std::function<void()> m_changed;
    TsBGGradient m_gradient{*this};
    TsBGImage m_image{*this};
};

// The background of the normal state; the same as the hot one with one more setting.
class TsBackground : public TsHotBackground
{
public:
    using TsHotBackground::TsHotBackground;

    // Kept as a published property of the style: it would let a skin repaint on messages; it
    // has no effect.
    bool ListenMSG() const { return m_listenMsg; }
    void setListenMSG(bool on) { m_listenMsg = on; }

private:
    bool m_listenMsg = false;
};
