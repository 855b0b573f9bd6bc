#pragma once

#include "base/translatable.h"

// The product's own identity, shown by the splash, the about box and the Help
// menu; its sentences in the user's language.
namespace ProductInfo {
inline constexpr const char *kTitle = "Brimfold";
inline constexpr const char *kVersionLine = "Brimfold 2.0 Build 9";
inline constexpr const char *kWebsite = "https://brimfold.example/";
inline constexpr const char *kSupportEmail = "support@brimfold.example";
inline constexpr Translatable kCopyright{"ProductInfo",
                                         QT_TRANSLATE_NOOP("ProductInfo", "Copyright (C) 2026 The Brimfold developers.")};
inline constexpr Translatable kLicense{
    "ProductInfo",
    QT_TRANSLATE_NOOP("ProductInfo", "Copying or distributing this program without the maker's permission is not allowed.")};
} // namespace ProductInfo
