#pragma once

// The tool-bar sign boxes and the pattern, title-type and begin/end menus, without widgets.
// The view binds each widget's event to the handler of the same name and, after every call,
// re-reads the state it shows: box texts, histories, enabled states, colour, marks and hint.

#include "core/settings/AnalysisSettings.h"

#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace vq {

enum class SignBox { Rem, Split, TitleSign };  // cboRem, cboSplit, cboTitleSign

// The title-sign box is silver while titles are off.
enum class BoxColour { White, Silver };

class SignPanel {
public:
    // How long a title sign is, in the count the box's hint shows: by default its bytes.
    using SignLength = std::function<size_t(std::string_view)>;

    SignPanel();
    void setSignLength(SignLength length);

    // --- handlers -----------------------------------------------------------------------------
    // Marks pattern p in both pattern menus and applies it. A number outside 0-3 (only a
    // hand-edited default pattern can give one) applies kFallbackPattern instead.
    void PatternClick(int pattern);
    void ApplyDefaultPattern(int defaultPattern) { PatternClick(defaultPattern); }
    // Puts the pattern's signs into the boxes and runs their change handlers.
    void ApplyPattern(int pattern);
    // The title-type menu; also enables and colours the title-sign box and the begin/end menu.
    void SetTitleType(TitleType type);
    // The box texts changed (typed or chosen from the list). Every box reads a text in the
    // space-count form as the blanks it stands for. A text that stands for a sign longer than
    // kMaxSignBytes is refused: false, and box and signs stay as they were (the view shows the
    // old text again and beeps).
    bool cboRemChange(std::string_view text);
    bool cboSplitChange(std::string_view text);
    bool cboTitleSignChange(std::string_view text);
    // The begin/end menu: tag 0 edits the begin sign, any other tag the end sign.
    void popSignClick(int tag);
    // Leaving a box: its text (a blank one in its space-count form) joins the history unless
    // an entry already equals it, letter case ignored.
    void actAdd2ComboBoxExecute(SignBox box);
    void toggleOmitTitleSignSpace() { m_settings.omitTitleSignSpace = !m_settings.omitTitleSignSpace; }
    // The settings file replaces a history with what it stored.
    void setHistory(SignBox box, std::vector<std::string> items) { boxOf(box).history = std::move(items); }

    // --- state the view shows -----------------------------------------------------------------
    const AnalysisSettings& settings() const { return m_settings; }
    const std::string& text(SignBox box) const { return boxOf(box).text; }
    const std::vector<std::string>& history(SignBox box) const { return boxOf(box).history; }
    bool titleSignEnabled() const { return m_titleSignEnabled; }
    BoxColour titleSignColour() const { return m_titleSignColour; }
    const std::string& titleSignHint() const { return m_titleSignHint; }
    bool signBeginEnabled() const { return m_signBeginEnabled; }
    bool signEndEnabled() const { return m_signEndEnabled; }
    bool signEndMarked() const { return m_signEndMarked; }  // else popSignBegin is marked
    // The pattern marked in both menus; -1 before the first pattern is applied.
    int currentPattern() const { return m_pattern; }
    TitleType titleType() const { return m_settings.titleType; }
    bool omitTitleSignSpace() const { return m_settings.omitTitleSignSpace; }

private:
    struct Box {
        std::string text;
        std::vector<std::string> history;
    };

    Box& boxOf(SignBox box) { return m_boxes[static_cast<size_t>(box)]; }
    const Box& boxOf(SignBox box) const { return m_boxes[static_cast<size_t>(box)]; }
    void remChanged();
    void splitChanged();
    void titleSignChanged();

    AnalysisSettings m_settings;
    std::array<Box, 3> m_boxes;
    int m_pattern = -1;
    bool m_titleSignEnabled = true;
    BoxColour m_titleSignColour = BoxColour::White;
    std::string m_titleSignHint;
    bool m_signBeginEnabled = true;
    bool m_signEndEnabled = true;
    bool m_signEndMarked = false;
    SignLength m_signLength;
};

}  // namespace vq
