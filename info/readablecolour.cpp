#include "readablecolour.h"

#include <QPalette>

#include <algorithm>
#include <cmath>

namespace ReadableColour {

namespace {

constexpr int lightnessSteps = 50;

double luminance(const QColor &colour)
{
    const auto linear = [](float channel) {
        return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
    };
    return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
}

} // namespace

double contrast(const QColor &a, const QColor &b)
{
    const auto [darker, lighter] = std::minmax({luminance(a), luminance(b)});
    return (lighter + 0.05) / (darker + 0.05);
}

QColor on(const QPalette &palette, const QColor &designed)
{
    const QColor face = palette.color(QPalette::Window);
    const QColor text = palette.color(QPalette::WindowText);
    if (contrast(designed, face) >= minimumContrast)
        return designed;
    // Lighter or darker as the theme's own text is, keeping hue and saturation.
    const bool lighter = luminance(text) > luminance(face);
    float hue = 0;
    float saturation = 0;
    float lightness = 0;
    designed.getHslF(&hue, &saturation, &lightness);
    for (int step = 1; step < lightnessSteps; ++step) {
        const float part = static_cast<float>(step) / lightnessSteps;
        const QColor shade = QColor::fromHslF(hue, saturation, lighter ? lightness + (1 - lightness) * part : lightness * (1 - part));
        if (contrast(shade, face) >= minimumContrast)
            return shade;
    }
    return text;
}

} // namespace ReadableColour
