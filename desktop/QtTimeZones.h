#pragma once

#include "schedule/TimeZones.h"

// The time-zone database of Qt (QTimeZone: the system's IANA data, or Windows' zones through Qt's
// IANA names). QtCore only: it needs no display and no QCoreApplication.
class QtTimeZones final : public TimeZones {
  public:
    bool Exists(std::u16string_view ianaName) const override;
    std::chrono::seconds OffsetAt(std::u16string_view ianaName,
                                  std::chrono::sys_seconds instant) const override;
    std::chrono::seconds LocalOffsetAt(std::chrono::sys_seconds instant) const override;
    std::vector<ZoneTransition> TransitionsBetween(std::u16string_view ianaName,
                                                   std::chrono::sys_seconds after,
                                                   std::chrono::sys_seconds upTo) const override;
    std::u16string LocalZoneName() const override;
};
