#include "status/NotificationPlan.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

using enum ActivityKind;
using namespace std::chrono_literals;

// The local zone is UTC here (no database): an activity of UTC+8 at 20:00 opens at 12:00.
TEST(NotificationPlan, FollowsTheActivitiesZonesOwnLeadsAndSilence) {
    const std::vector<cTask> tasks = {
        {u"签到", u"20:00", u"每日", FixedTimes, u"时区=UTC+8;提前=10"},
        {u"午饭", u"12:00", u"每日", FixedTimes, u"提前=0"},
        {u"静默", u"12:00", u"每日", FixedTimes, u"通知=0"},
        {u"周会", u"12:00", u"每日", FixedTimes, u"起=2027-01-01"},
        {u"巡逻", u"12:00", u"每日", FixedTimes},
    };
    const std::vector<int> leads = {5};
    const ZoneContext zones;
    const NotificationPlan::Basis basis{tasks, 5, leads, zones};
    const std::chrono::local_days day{2026y / 12 / 12};
    struct Step {
        std::chrono::minutes at;
        std::vector<std::u16string> sent;  // "summary | body"
    };
    const std::vector<Step> steps = {
        {11h + 49min, {}},
        {11h + 50min, {u"签到 10 分钟后开启 | 12:00开启"}},
        {11h + 55min, {u"巡逻 5 分钟后开启 | 12:00开启"}},
        {12h,
         {u"签到 已开启 | 12:00-12:05", u"午饭 已开启 | 12:00-12:05",
          u"巡逻 已开启 | 12:00-12:05"}},
    };
    NotificationPlan plan;
    for (const Step& step : steps) {
        const LocalTime now{std::chrono::year_month_day{day},
                            static_cast<int>(step.at.count() / 60),
                            static_cast<int>(step.at.count() % 60), 0};
        const StatusTexts texts = ComputeStatusTexts(tasks, 5, now, zones);
        std::vector<std::u16string> sent;
        for (const Notification& notification : plan.Look(basis, texts.open, MomentOf(now), true))
            sent.push_back(notification.summary + u" | " + notification.body);
        EXPECT_EQ(sent, step.sent) << step.at.count();
        if (step.at == 11h + 49min)
            EXPECT_EQ(NotificationPlan::NextMoment(basis, MomentOf(now)), day + 11h + 50min);
    }
}

}  // namespace
