// The sign boxes, pattern and title-type menus: what the tool bar shows after each handler.

#include "core/settings/SettingsTexts.h"
#include "core/settings/SignPanel.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <string>
#include <vector>

namespace vq {
namespace {

using Observed = std::map<std::string, std::string>;

// Signs in brackets so blanks stay visible in a failure message.
std::string Shown(std::string_view s) { return std::string("[").append(s).append("]"); }

std::string Joined(const std::vector<std::string>& items) {
    std::string out;
    for (const auto& item : items)
        out += Shown(item);
    return out;
}

// Everything the view reads back from the panel, by name.
Observed Observe(const SignPanel& p) {
    const AnalysisSettings& s = p.settings();
    return {
        {"remSign", Shown(s.remSign)},
        {"splitSign", Shown(s.splitSign)},
        {"beginSign", Shown(s.titleBeginSign)},
        {"endSign", Shown(s.titleEndSign)},
        {"titleType", std::to_string(TitleTypeIndex(s.titleType))},
        {"omit", s.omitTitleSignSpace ? "on" : "off"},
        {"pattern", std::to_string(p.currentPattern())},
        {"remBox", Shown(p.text(SignBox::Rem))},
        {"splitBox", Shown(p.text(SignBox::Split))},
        {"titleBox", Shown(p.text(SignBox::TitleSign))},
        {"titleBoxState", std::string(p.titleSignEnabled() ? "enabled" : "disabled") +
                              (p.titleSignColour() == BoxColour::White ? " white" : " silver")},
        {"beginItem",
         std::string(p.signBeginEnabled() ? "enabled" : "disabled") + (p.signEndMarked() ? "" : " marked")},
        {"endItem", std::string(p.signEndEnabled() ? "enabled" : "disabled") + (p.signEndMarked() ? " marked" : "")},
        {"hint", p.titleSignHint()},
        {"remHistory", Joined(p.history(SignBox::Rem))},
        {"splitHistory", Joined(p.history(SignBox::Split))},
        {"titleHistory", Joined(p.history(SignBox::TitleSign))},
    };
}

// Only the entries a case names are compared, but all of them at once.
Observed Pick(const Observed& all, const Observed& wanted) {
    Observed out;
    for (const auto& [key, value] : wanted) {
        auto it = all.find(key);
        out[key] = it == all.end() ? "<no such field>" : it->second;
    }
    return out;
}

std::string Hint(int count) { return FormatMessage(texts::kTitleSignHint, {count}); }

// --- the four patterns ------------------------------------------------------------------------

struct PatternCase {
    std::string name;
    int pattern;
    Observed want;
};

void PrintTo(const PatternCase& c, std::ostream* os) { *os << c.name; }

class Patterns : public ::testing::TestWithParam<PatternCase> {};

TEST_P(Patterns, SetEverySetting) {
    const auto& c = GetParam();
    SignPanel panel;
    panel.PatternClick(c.pattern);
    EXPECT_EQ(Pick(Observe(panel), c.want), c.want);
}

// Each pattern is checked from a panel that another pattern and typed signs left behind, so
// nothing of the earlier state may leak through.
TEST_P(Patterns, ResetAfterOtherPatternAndTyping) {
    const auto& c = GetParam();
    for (int before = 0; before < kPatternCount; ++before) {
        SignPanel panel;
        panel.PatternClick(before);
        panel.SetTitleType(TitleType::BeginEndSigns);
        panel.popSignClick(1);
        panel.cboTitleSignChange("END");
        panel.cboRemChange("%");
        panel.cboSplitChange(":");
        panel.toggleOmitTitleSignSpace();
        panel.PatternClick(c.pattern);
        EXPECT_EQ(Pick(Observe(panel), c.want), c.want) << "after pattern " << before;
    }
}

const Observed kBuiltinHistories = {
    {"remHistory", "[;][#][ ]"}, {"splitHistory", "[=][ ]"}, {"titleHistory", "[;;;;;;][;;;][######][###]"}};

Observed With(Observed base, const Observed& more) {
    base.insert(more.begin(), more.end());
    return base;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Patterns,
    ::testing::Values(PatternCase{"General", 0,
                                  With(kBuiltinHistories, {{"pattern", "0"},
                                                           {"titleType", "1"},
                                                           {"remBox", "[1|_|]"},
                                                           {"remSign", "[ ]"},
                                                           {"splitBox", "[=]"},
                                                           {"splitSign", "[=]"},
                                                           {"titleBox", "[;;;;;;]"},
                                                           {"beginSign", "[;;;;;;]"},
                                                           {"endSign", "[;;;;;;]"},
                                                           {"omit", "on"},
                                                           {"titleBoxState", "enabled white"},
                                                           {"beginItem", "enabled marked"},
                                                           {"endItem", "disabled"},
                                                           {"hint", Hint(6)}})},
                      PatternCase{"Ini", 1,
                                  With(kBuiltinHistories, {{"pattern", "1"},
                                                           {"titleType", "0"},
                                                           {"remBox", "[;]"},
                                                           {"remSign", "[;]"},
                                                           {"splitSign", "[=]"},
                                                           {"titleBox", "[;;;;;;]"},
                                                           {"beginSign", "[;;;;;;]"},
                                                           {"endSign", "[;;;;;;]"},
                                                           {"omit", "off"},
                                                           {"titleBoxState", "disabled silver"},
                                                           {"beginItem", "disabled marked"},
                                                           {"endItem", "disabled"}})},
                      PatternCase{"PhpIni", 2,
                                  With(kBuiltinHistories, {{"pattern", "2"},
                                                           {"titleType", "3"},
                                                           {"remBox", "[;]"},
                                                           {"remSign", "[;]"},
                                                           {"splitSign", "[=]"},
                                                           {"titleBox", "[;;;;;;]"},
                                                           {"beginSign", "[;;;;;;]"},
                                                           {"endSign", "[;;;;;;]"},
                                                           {"omit", "off"},
                                                           {"titleBoxState", "enabled white"},
                                                           {"beginItem", "enabled marked"},
                                                           {"endItem", "disabled"}})},
                      PatternCase{"HttpdConf", 3,
                                  With(kBuiltinHistories, {{"pattern", "3"},
                                                           {"titleType", "1"},
                                                           {"remBox", "[#]"},
                                                           {"remSign", "[#]"},
                                                           {"splitSign", "[=]"},
                                                           {"titleBox", "[###]"},
                                                           {"beginSign", "[###]"},
                                                           {"endSign", "[###]"},
                                                           {"omit", "off"},
                                                           {"titleBoxState", "enabled white"},
                                                           {"hint", Hint(3)}})},
                      // A default pattern no menu item names falls back to php.ini.
                      PatternCase{"OutOfRangeHigh", 4, {{"pattern", "2"}, {"titleType", "3"}, {"remSign", "[;]"}}},
                      PatternCase{
                          "OutOfRangeNegative", -1, {{"pattern", "2"}, {"titleType", "3"}, {"beginSign", "[;;;;;;]"}}}),
    [](const auto& info) { return info.param.name; });

TEST(PatternsDefault, UnknownDefaultPatternAppliesFallback) {
    for (int bad : {-7, 4, 99}) {
        SignPanel panel;
        panel.PatternClick(3);
        panel.ApplyDefaultPattern(bad);
        EXPECT_EQ(panel.currentPattern(), kFallbackPattern) << bad;
        EXPECT_EQ(panel.settings().titleType, TitleType::SameSignAround) << bad;
        EXPECT_EQ(panel.settings().remSign, ";") << bad;
    }
}

// --- single handlers --------------------------------------------------------------------------

struct PanelCase {
    std::string name;
    int pattern;  // applied first
    std::function<void(SignPanel&)> act;
    Observed want;
};

void PrintTo(const PanelCase& c, std::ostream* os) { *os << c.name; }

class SignEdits : public ::testing::TestWithParam<PanelCase> {};

TEST_P(SignEdits, ShowResult) {
    const auto& c = GetParam();
    SignPanel panel;
    panel.PatternClick(c.pattern);
    c.act(panel);
    EXPECT_EQ(Pick(Observe(panel), c.want), c.want);
}

INSTANTIATE_TEST_SUITE_P(Handlers, SignEdits, ::testing::Values(
    PanelCase{"EmptyCommentBoxIsSpace", 2, [](SignPanel& p) { p.cboRemChange(""); },
              {{"remSign", "[ ]"}, {"remBox", "[]"}, {"remHistory", "[;][#][ ]"}}},
    PanelCase{"LeavingEmptyCommentBoxAddsZeroForm", 2,
              [](SignPanel& p) { p.cboRemChange(""); p.actAdd2ComboBoxExecute(SignBox::Rem); },
              {{"remSign", "[ ]"}, {"remBox", "[]"}, {"remHistory", "[;][#][ ][0|_|]"}}},
    PanelCase{"ZeroFormAddedOnce", 2,
              [](SignPanel& p) {
                  p.cboRemChange("");
                  p.actAdd2ComboBoxExecute(SignBox::Rem);
                  p.cboRemChange("  ");  // blank, but two bytes: "2|_|", a new entry
                  p.actAdd2ComboBoxExecute(SignBox::Rem);
                  p.cboRemChange("");
                  p.actAdd2ComboBoxExecute(SignBox::Rem);
              },
              {{"remSign", "[ ]"}, {"remHistory", "[;][#][ ][0|_|][2|_|]"}}},
    PanelCase{"SpaceInCommentBox", 1,
              [](SignPanel& p) { p.cboRemChange(" "); p.actAdd2ComboBoxExecute(SignBox::Rem); },
              {{"remSign", "[ ]"}, {"remBox", "[ ]"}, {"remHistory", "[;][#][ ][1|_|]"}}},
    PanelCase{"OneSpaceFormInCommentBox", 2, [](SignPanel& p) { p.cboRemChange("1|_|"); },
              {{"remSign", "[ ]"}, {"remBox", "[1|_|]"}}},
    // Every box reads the space-count forms it keeps in its history.
    PanelCase{"ZeroFormInCommentBoxIsSpace", 2, [](SignPanel& p) { p.cboRemChange("0|_|"); },
              {{"remSign", "[ ]"}, {"remBox", "[0|_|]"}}},
    PanelCase{"OtherSpaceFormInCommentBoxIsSpace", 2, [](SignPanel& p) { p.cboRemChange("2|_|"); },
              {{"remSign", "[ ]"}}},
    PanelCase{"ZeroFormInSplitBoxIsSpace", 2, [](SignPanel& p) { p.cboSplitChange("0|_|"); },
              {{"splitSign", "[ ]"}, {"splitBox", "[0|_|]"}}},
    PanelCase{"OneSpaceFormInSplitBox", 2, [](SignPanel& p) { p.cboSplitChange("1|_|"); }, {{"splitSign", "[ ]"}}},
    PanelCase{"SpaceCountInSplitBox", 2, [](SignPanel& p) { p.cboSplitChange("2|_|"); }, {{"splitSign", "[  ]"}}},
    PanelCase{"LetterCountInSplitBoxIsSpace", 2, [](SignPanel& p) { p.cboSplitChange("x|_|"); },
              {{"splitSign", "[ ]"}}},
    PanelCase{"SuffixAloneInCommentBox", 2, [](SignPanel& p) { p.cboRemChange("|"); }, {{"remSign", "[|]"}}},
    PanelCase{"SpaceInSplitBox", 2,
              [](SignPanel& p) { p.cboSplitChange(" "); p.actAdd2ComboBoxExecute(SignBox::Split); },
              {{"splitSign", "[ ]"}, {"splitHistory", "[=][ ][1|_|]"}}},
    PanelCase{"EmptySplitBoxIsSpace", 2, [](SignPanel& p) { p.cboSplitChange(""); }, {{"splitSign", "[ ]"}}},
    PanelCase{"BlankSplitBoxKeptUnstripped", 2, [](SignPanel& p) { p.cboSplitChange("\t"); },
              {{"splitSign", "[\t]"}}},
    PanelCase{"TypedSplitSign", 2, [](SignPanel& p) { p.cboSplitChange(":"); },
              {{"splitSign", "[:]"}, {"splitBox", "[:]"}, {"remSign", "[;]"}}},
    PanelCase{"SpaceCountInTitleBox", 2, [](SignPanel& p) { p.cboTitleSignChange("3|_|"); },
              {{"beginSign", "[   ]"}, {"endSign", "[;;;;;;]"}, {"titleBox", "[3|_|]"}, {"hint", Hint(3)}}},
    PanelCase{"LetterCountInTitleBox", 2, [](SignPanel& p) { p.cboTitleSignChange("x|_|"); },
              {{"beginSign", "[]"}, {"hint", Hint(0)}}},
    PanelCase{"FourSemicolonsHint", 2, [](SignPanel& p) { p.cboTitleSignChange(";;;;"); },
              {{"beginSign", "[;;;;]"}, {"hint", Hint(4)}}},
    PanelCase{"DoubleByteSignCountsBytes", 2, [](SignPanel& p) { p.cboTitleSignChange("\xB1\xEA\xCC\xE2"); },
              {{"beginSign", "[\xB1\xEA\xCC\xE2]"}, {"hint", Hint(4)}}},
    // The view counts a sign its own way (in bytes of its code page); the hint takes that count.
    PanelCase{"HintCountsWithTheViewsLength", 2,
              [](SignPanel& p) {
                  p.setSignLength([](std::string_view s) { return s.size() / 2; });
                  p.cboTitleSignChange("12345678");
              },
              {{"beginSign", "[12345678]"}, {"hint", Hint(4)}}},
    PanelCase{"NewLengthAppliesToTheShownSign", 3,
              [](SignPanel& p) { p.setSignLength([](std::string_view s) { return s.size() * 10; }); },
              {{"hint", Hint(30)}}},
    PanelCase{"TitleTypeFourEditsEndSign", 2,
              [](SignPanel& p) { p.SetTitleType(TitleType::BeginEndSigns); p.popSignClick(1); p.cboTitleSignChange("######"); },
              {{"beginSign", "[;;;;;;]"}, {"endSign", "[######]"}, {"endItem", "enabled marked"},
               {"beginItem", "enabled"}, {"titleBox", "[######]"}}},
    PanelCase{"TitleTypeFourBeginMarkedEditsBeginSign", 2,
              [](SignPanel& p) { p.SetTitleType(TitleType::BeginEndSigns); p.cboTitleSignChange("<<"); },
              {{"beginSign", "[<<]"}, {"endSign", "[;;;;;;]"}, {"beginItem", "enabled marked"}, {"endItem", "enabled"}}},
    PanelCase{"BackToTypeThreeEditsBeginSign", 2,
              [](SignPanel& p) {
                  p.SetTitleType(TitleType::BeginEndSigns);
                  p.popSignClick(1);
                  p.cboTitleSignChange("######");
                  p.SetTitleType(TitleType::SameSignAround);
              },
              {{"titleBox", "[######]"}, {"beginSign", "[;;;;;;]"}, {"endSign", "[######]"},
               {"beginItem", "enabled marked"}, {"endItem", "disabled"}}},
    PanelCase{"NextEditAfterTypeThree", 2,
              [](SignPanel& p) {
                  p.SetTitleType(TitleType::BeginEndSigns);
                  p.popSignClick(1);
                  p.cboTitleSignChange("######");
                  p.SetTitleType(TitleType::SameSignAround);
                  p.cboTitleSignChange("==");
              },
              {{"beginSign", "[==]"}, {"endSign", "[######]"}}},
    PanelCase{"BeginItemShowsBeginSign", 2,
              [](SignPanel& p) {
                  p.SetTitleType(TitleType::BeginEndSigns);
                  p.popSignClick(1);
                  p.cboTitleSignChange("##");
                  p.popSignClick(0);
              },
              {{"titleBox", "[;;;;;;]"}, {"beginItem", "enabled marked"}, {"hint", Hint(6)}}},
    PanelCase{"EndItemShowsEndSign", 3, [](SignPanel& p) { p.SetTitleType(TitleType::BeginEndSigns); p.popSignClick(1); },
              {{"titleBox", "[###]"}, {"endItem", "enabled marked"}, {"hint", Hint(3)}}},
    PanelCase{"EndMarkIgnoredOutsideTypeFour", 2,
              [](SignPanel& p) { p.popSignClick(1); p.cboTitleSignChange("**"); },
              {{"beginSign", "[**]"}, {"endSign", "[;;;;;;]"}}},
    PanelCase{"TitleTypeZeroKeepsBoxText", 2,
              [](SignPanel& p) { p.cboTitleSignChange(";;;"); p.SetTitleType(TitleType::None); },
              {{"titleBox", "[;;;]"}, {"titleBoxState", "disabled silver"}, {"beginItem", "disabled marked"},
               {"titleType", "0"}}},
    PanelCase{"TitleTypeBackFromZero", 1, [](SignPanel& p) { p.SetTitleType(TitleType::TwoLines); },
              {{"titleBoxState", "enabled white"}, {"beginItem", "enabled marked"}, {"endItem", "disabled"}}},
    PanelCase{"HistoryIgnoresLetterCase", 2,
              [](SignPanel& p) {
                  p.setHistory(SignBox::TitleSign, {"REM", ";;;"});
                  p.cboTitleSignChange("rem");
                  p.actAdd2ComboBoxExecute(SignBox::TitleSign);
              },
              {{"titleHistory", "[REM][;;;]"}, {"beginSign", "[rem]"}}},
    PanelCase{"HistoryAddsNewSign", 2,
              [](SignPanel& p) {
                  p.setHistory(SignBox::TitleSign, {"REM"});
                  p.cboTitleSignChange("rems");
                  p.actAdd2ComboBoxExecute(SignBox::TitleSign);
              },
              {{"titleHistory", "[REM][rems]"}, {"titleBox", "[rems]"}}},
    PanelCase{"LeavingBoxChangesNoSign", 0, [](SignPanel& p) { p.actAdd2ComboBoxExecute(SignBox::Rem); },
              {{"remHistory", "[;][#][ ][1|_|]"}, {"remBox", "[1|_|]"}, {"remSign", "[ ]"}}},
    PanelCase{"OmitToggles", 1, [](SignPanel& p) { p.toggleOmitTitleSignSpace(); }, {{"omit", "on"}}},
    PanelCase{"OmitTogglesBack", 0, [](SignPanel& p) { p.toggleOmitTitleSignSpace(); }, {{"omit", "off"}}},
    PanelCase{"ReapplyingResetsTypedSigns", 0,
              [](SignPanel& p) {
                  p.cboRemChange("#");
                  p.cboSplitChange(":");
                  p.cboTitleSignChange("**");
                  p.toggleOmitTitleSignSpace();
                  p.PatternClick(0);
              },
              {{"remSign", "[ ]"}, {"splitSign", "[=]"}, {"beginSign", "[;;;;;;]"}, {"omit", "on"},
               {"remBox", "[1|_|]"}}},
    PanelCase{"PatternKeepsHistories", 2,
              [](SignPanel& p) {
                  p.cboRemChange("%");
                  p.actAdd2ComboBoxExecute(SignBox::Rem);
                  p.PatternClick(3);
              },
              {{"remHistory", "[;][#][ ][%]"}, {"remSign", "[#]"}}}),
    [](const auto& info) { return info.param.name; });

// A text for a sign longer than 255 bytes is refused by every box and changes nothing the view
// shows; the longest allowed sign is taken.
TEST(SignPanelLength, OverlongSignsAreRefused) {
    using Change = bool (SignPanel::*)(std::string_view);
    for (Change change : {&SignPanel::cboRemChange, &SignPanel::cboSplitChange, &SignPanel::cboTitleSignChange}) {
        SignPanel panel;
        panel.PatternClick(3);
        const Observed before = Observe(panel);
        for (const std::string& text : {std::string("2000000000|_|"), std::string("256|_|"), std::string(256, '#'),
                                        std::string("99999999999|_|")}) {
            EXPECT_FALSE((panel.*change)(text)) << text.substr(0, 20);
            EXPECT_EQ(Observe(panel), before) << text.substr(0, 20);
        }
        EXPECT_TRUE((panel.*change)("255|_|"));
        EXPECT_TRUE((panel.*change)(std::string(255, '#')));
        EXPECT_NE(Observe(panel), before);
    }
}

}  // namespace
}  // namespace vq
