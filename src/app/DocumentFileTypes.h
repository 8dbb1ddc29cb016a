#pragma once

#include "app/WindowTypes.h"

#include <optional>
#include <string_view>

// The file a window type is saved to; types without one have nothing to save.
struct DocumentFileType {
    std::string_view extension; // with its dot
    std::string_view filter;    // for the file dialog
};

// Whether File Open stays available while a window of this type is active:
// only the navigation and monitor windows, which open nothing, grey it.
constexpr bool OffersFileOpen(WindowType type) {
    return type != WindowType::Navigation && type != WindowType::CommandMonitor;
}

constexpr std::optional<DocumentFileType> FileTypeOf(WindowType type) {
    switch (type) {
    case WindowType::SkyPlot:
        return DocumentFileType{".msk", "Mask Files (*.msk)"};
    case WindowType::Survey:
        return DocumentFileType{".pth", "Path Files (*.pth)"};
    case WindowType::Ttff:
        return DocumentFileType{".ttf", "TTFF Files (*.ttf);;CSV Files (*.csv)"};
    default:
        return std::nullopt;
    }
}
