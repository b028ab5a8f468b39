// SPDX-License-Identifier: GPL-3.0-or-later
// The property language and the command line's relay lists: what is read, what is refused, and
// how a property judges relays.

#include "explore/Property.h"
#include "names/NameTable.h"
#include "sim/ExploreCommandLine.h"

#include <gtest/gtest.h>

#include <set>

namespace rungbox::explore {
namespace {

struct Case {
    const char* text;
    std::set<int> on; ///< relays on
    bool holds;       ///< the property holds with exactly these relays on
};

TEST(Property, JudgesRelaysWithPrecedenceNotAndOr) {
    const Case cases[] = {
        {"never 1000 & 1001", {1000, 1001}, false},
        {"never 1000 & 1001", {1000}, true},
        {"always !1002 | 1000", {1002}, false},
        {"always !1002 | 1000", {}, true},
        {"never 1 | 2 & 3", {1}, false}, // & binds tighter than |
        {"never (1 | 2) & 3", {1}, true},
        {"never !1 & 2", {2}, false}, // ! binds tighter than &
        {"never !(1 & 2)", {2}, false},
        {"always !!5", {5}, true},
        {"  always\t20000  ", {20000}, true},
        {"never 0|1", {}, true},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto p = Property::parse(c.text, &error);
        ASSERT_TRUE(p) << c.text << ": " << error;
        EXPECT_EQ(p->holds([&](int a) { return c.on.count(a) != 0; }), c.holds) << c.text;
    }
}

TEST(Property, RefusesWhatIsNoProperty) {
    for (const char* text :
         {"", "never", "sometimes 1", "never1000", "never 1000 &", "never (1", "never 1)",
          "never 20001", "never 1 2", "always & 1", "never -1", "never 1 ^ 2", "always ((((1"}) {
        EXPECT_FALSE(Property::parse(text)) << text;
    }
    EXPECT_FALSE(Property::parse("never " + std::string(100, '(') + "1" + std::string(100, ')')));
    EXPECT_TRUE(Property::parse("never " + std::string(60, '(') + "1" + std::string(60, ')')));
}

TEST(Property, NamesEachRelayOnceAscending) {
    const auto p = Property::parse("never 1001 & (1000 | !1001)");
    ASSERT_TRUE(p);
    EXPECT_EQ(p->relays(), (std::vector<int>{1000, 1001}));
}

TEST(Property, TakesTheNamesOfRelays) {
    using names::Address;
    names::NameTable table;
    table.set({Address::relay(1000), "MOTOR_OPEN", ""});
    table.set({Address::relay(1001), "MOTOR_CLOSE", ""});
    table.set({Address::relay(0), "START", ""});
    table.set({Address::timer(0), "DOOR_TIME", ""});
    const Case cases[] = {
        {"never MOTOR_OPEN & MOTOR_CLOSE", {1000, 1001}, false},
        {"never MOTOR_OPEN&motor_close", {1000}, true}, // names ignore case, as everywhere
        {"always !START | (1000)", {0}, false},
    };
    for (const Case& c : cases) {
        std::string error;
        const auto p = Property::parse(c.text, &error, &table);
        ASSERT_TRUE(p) << c.text << ": " << error;
        EXPECT_EQ(p->holds([&](int a) { return c.on.count(a) != 0; }), c.holds) << c.text;
        EXPECT_EQ(p->text(), c.text); // told as written
    }
    const std::pair<const char*, const char*> refused[] = {
        {"never DOOR", "unknown name \"DOOR\""},
        {"never DOOR_TIME", "\"DOOR_TIME\" names TIM 0, not a relay"},
        {"never START_", "unknown name \"START_\""},
    };
    for (const auto& [text, why] : refused) {
        std::string error;
        EXPECT_FALSE(Property::parse(text, &error, &table)) << text;
        EXPECT_EQ(error, why);
    }
    EXPECT_EQ(parseProperties("never START\n").error, "line 1: unknown name \"START\"");
    EXPECT_EQ(parseProperties("never START\n", &table).properties.at(0).relays(),
              std::vector<int>{0});
}

TEST(PropertyList, SkipsCommentsAndNamesTheBadLine) {
    const PropertyList good = parseProperties("# motor\n\nnever 1000 & 1001\r\nalways 5\n");
    EXPECT_TRUE(good.error.empty());
    EXPECT_EQ(good.properties.size(), 2U);
    const PropertyList bad = parseProperties("never 1\nnever 1 &\n");
    EXPECT_EQ(bad.error.substr(0, 7), "line 2:");
    EXPECT_TRUE(bad.properties.empty());
}

TEST(RelayList, ReadsNumbersAndRangesInBounds) {
    EXPECT_EQ(sim::parseRelayList("1000,1002-1004", 0, 20000),
              (std::vector<int>{1000, 1002, 1003, 1004}));
    EXPECT_EQ(sim::parseRelayList("0-2", 0, 15), (std::vector<int>{0, 1, 2}));
    for (const char* text : {"", ",", "1,", "16", "2-1", "01", "1-", "-1", "a", "1 ,2"}) {
        EXPECT_FALSE(sim::parseRelayList(text, 0, 15)) << text;
    }
}

} // namespace
} // namespace rungbox::explore
