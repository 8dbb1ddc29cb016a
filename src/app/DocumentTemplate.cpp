#include "app/DocumentTemplate.h"

QString DocumentTemplate::Title() const {
    const WindowTypeInfo* info = FindWindowType(type);
    if (!info) return {};
    return QString::fromUtf8(info->title.data(), static_cast<qsizetype>(info->title.size()));
}
