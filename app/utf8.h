#pragma once

#include <QString>

#include <string_view>

// Our constant texts are UTF-8 string views; Qt wants QString.
inline QString fromUtf8(std::string_view text)
{
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}
