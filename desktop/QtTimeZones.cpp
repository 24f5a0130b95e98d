#include "desktop/QtTimeZones.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QTimeZone>

namespace {

QTimeZone ZoneNamed(std::u16string_view ianaName) {
    return QTimeZone(
        QString::fromUtf16(ianaName.data(), static_cast<qsizetype>(ianaName.size())).toLatin1());
}

QDateTime InstantOf(std::chrono::sys_seconds instant) {
    return QDateTime::fromSecsSinceEpoch(instant.time_since_epoch().count(), Qt::UTC);
}

}  // namespace

bool QtTimeZones::Exists(std::u16string_view ianaName) const {
    return ZoneNamed(ianaName).isValid();
}

std::chrono::seconds QtTimeZones::OffsetAt(std::u16string_view ianaName,
                                           std::chrono::sys_seconds instant) const {
    const QTimeZone zone = ZoneNamed(ianaName);
    return std::chrono::seconds{zone.isValid() ? zone.offsetFromUtc(InstantOf(instant)) : 0};
}

std::chrono::seconds QtTimeZones::LocalOffsetAt(std::chrono::sys_seconds instant) const {
    // The system's zone, not the C library's local time: on Windows that follows a TZ variable,
    // which the system's own zone setting does not.
    return std::chrono::seconds{QTimeZone::systemTimeZone().offsetFromUtc(InstantOf(instant))};
}

std::vector<ZoneTransition> QtTimeZones::TransitionsBetween(std::u16string_view ianaName,
                                                            std::chrono::sys_seconds after,
                                                            std::chrono::sys_seconds upTo) const {
    const QTimeZone zone = ZoneNamed(ianaName);
    std::vector<ZoneTransition> transitions;
    if (!zone.isValid() || !zone.hasTransitions())
        return transitions;
    std::chrono::seconds before{zone.offsetFromUtc(InstantOf(after))};
    for (const QTimeZone::OffsetData& data :
         zone.transitions(InstantOf(after + std::chrono::seconds{1}), InstantOf(upTo))) {
        const std::chrono::seconds offset{data.offsetFromUtc};
        // Qt also lists changes of name or of daylight-saving time that keep the offset.
        if (offset == before)
            continue;
        transitions.push_back(
            {std::chrono::sys_seconds{std::chrono::seconds{data.atUtc.toSecsSinceEpoch()}}, before,
             offset, data.daylightTimeOffset != 0});
        before = offset;
    }
    return transitions;
}

std::u16string QtTimeZones::LocalZoneName() const {
    return QString::fromLatin1(QTimeZone::systemTimeZoneId()).toStdU16String();
}
