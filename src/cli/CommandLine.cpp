#include "cli/CommandLine.h"

#include "core/Texts.h"
#include "core/settings/LanguageChoice.h"
#include "core/settings/SignPanel.h"
#include "core/text/Blanks.h"

#include <algorithm>
#include <array>
#include <charconv>

namespace vq::cli {

namespace {

enum class Option {
    Outline,
    Extract,
    Help,
    Version,
    Pattern,
    Rem,
    Split,
    TitleType,
    TitleBegin,
    TitleEnd,
    OmitSpaces,
    NoOmitSpaces,
    Lang,
};

struct OptionName {
    std::string_view name;
    Option option;
    bool takesValue;
};

constexpr std::array<OptionName, 13> kOptions = {{
    {"--outline", Option::Outline, false},
    {"--extract", Option::Extract, true},
    {"--help", Option::Help, false},
    {"--version", Option::Version, false},
    {"--pattern", Option::Pattern, true},
    {"--rem", Option::Rem, true},
    {"--split", Option::Split, true},
    {"--title-type", Option::TitleType, true},
    {"--title-begin", Option::TitleBegin, true},
    {"--title-end", Option::TitleEnd, true},
    {"--omit-spaces", Option::OmitSpaces, false},
    {"--no-omit-spaces", Option::NoOmitSpaces, false},
    {kLanguageOption, Option::Lang, true},
}};

const OptionName* Find(std::string_view name) {
    const auto it = std::find_if(kOptions.begin(), kOptions.end(), [&](const OptionName& o) { return o.name == name; });
    return it == kOptions.end() ? nullptr : &*it;
}

std::string_view NameOf(std::string_view arg) { return arg.substr(0, arg.find('=')); }

// A whole decimal number from `low` to `high`, nothing else.
std::optional<int> NumberIn(std::string_view text, int low, int high) {
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (text.empty() || ec != std::errc() || ptr != end || value < low || value > high)
        return std::nullopt;
    return value;
}

// What the options ask for besides the pattern; unset ones keep the pattern's values.
struct Overrides {
    int pattern = kDefaultPattern;
    std::optional<std::string> rem, split, titleBegin, titleEnd;
    std::optional<TitleType> titleType;
    std::optional<bool> omitSpaces;
};

// The pattern first, then the options over it. Blank comment and split signs become the single
// space, as the tool-bar boxes make them.
AnalysisSettings SettingsOf(const Overrides& o) {
    SignPanel panel;
    panel.PatternClick(o.pattern);
    AnalysisSettings s = panel.settings();
    if (o.rem)
        s.remSign = IsBlankText(*o.rem) ? " " : *o.rem;
    if (o.split)
        s.splitSign = o.split->empty() ? " " : *o.split;
    if (o.titleBegin)
        s.titleBeginSign = *o.titleBegin;
    if (o.titleEnd)
        s.titleEndSign = *o.titleEnd;
    if (o.titleType)
        s.titleType = *o.titleType;
    if (o.omitSpaces)
        s.omitTitleSignSpace = *o.omitSpaces;
    return s;
}

class Parser {
public:
    ParseResult run(std::span<const std::string_view> args) {
        bool optionsEnded = false;
        for (size_t k = 0; k < args.size(); ++k) {
            const std::string_view arg = args[k];
            if (!optionsEnded && arg == "--") {
                optionsEnded = true;
                continue;
            }
            if (optionsEnded || arg.size() < 2 || arg[0] != '-') {
                if (!file(arg))
                    return failure();
                continue;
            }
            const OptionName* o = Find(NameOf(arg));
            const bool inlineValue = arg.find('=') != std::string_view::npos;
            if (o == nullptr || (inlineValue && !o->takesValue))
                return failure(FormatMessage(texts::kCliUnknownOption, {arg}));
            std::string_view value;
            if (inlineValue) {
                value = arg.substr(arg.find('=') + 1);
            } else if (o->takesValue) {
                if (k + 1 >= args.size())
                    return failure(FormatMessage(texts::kCliMissingValue, {o->name}));
                value = args[++k];
            }
            if (o->option == Option::Help || o->option == Option::Version)
                return answer(o->option == Option::Help ? Command::Help : Command::Version);
            if (!apply(*o, value))
                return failure();
        }
        return finish();
    }

private:
    bool file(std::string_view arg) {
        if (m_path) {
            m_error = FormatMessage(texts::kCliExtraArgument, {arg});
            return false;
        }
        m_path = std::string(arg);
        return true;
    }

    bool command(Command c) {
        if (m_command) {
            m_error = texts::kCliTwoCommands.c_str();
            return false;
        }
        m_command = c;
        return true;
    }

    bool apply(const OptionName& o, std::string_view value) {
        switch (o.option) {
        case Option::Outline: return command(Command::Outline);
        case Option::Extract: return extraction(value) && command(Command::Extract);
        case Option::Pattern: return number(value, kPatternCount - 1, texts::kCliPatternRange, m_overrides.pattern);
        case Option::TitleType: {
            int type = 0;
            if (!number(value, kTitleTypeCount - 1, texts::kCliTitleTypeRange, type))
                return false;
            m_overrides.titleType = TitleTypeFromIndex(type);
            return true;
        }
        case Option::Rem: return sign(o.name, value, m_overrides.rem);
        case Option::Split: return sign(o.name, value, m_overrides.split);
        case Option::TitleBegin: return sign(o.name, value, m_overrides.titleBegin);
        case Option::TitleEnd: return sign(o.name, value, m_overrides.titleEnd);
        case Option::Lang: return language(value);
        case Option::OmitSpaces:
        case Option::NoOmitSpaces: m_overrides.omitSpaces = o.option == Option::OmitSpaces; return true;
        case Option::Help:
        case Option::Version: break;
        }
        return true;
    }

    // The run's language was chosen before the arguments were read; here a wrong value is an error.
    bool language(std::string_view value) {
        if (LanguageFromCode(value))
            return true;
        m_error = FormatMessage(texts::kCliUnknownLanguage, {value});
        return false;
    }

    bool extraction(std::string_view value) {
        if (value == "checked")
            m_extraction = ExtractionKind::Checked;
        else if (value == "tree")
            m_extraction = ExtractionKind::Tree;
        else if (value == "all")
            m_extraction = ExtractionKind::All;
        else {
            m_error = FormatMessage(texts::kCliUnknownExtraction, {value});
            return false;
        }
        return true;
    }

    bool number(std::string_view value, int high, const char* rangeError, int& out) {
        const auto n = NumberIn(value, 0, high);
        if (!n) {
            m_error = FormatMessage(rangeError, {value});
            return false;
        }
        out = *n;
        return true;
    }

    // A sign as given, or in its space-count form ("3|_|" for three spaces); no longer than the
    // sign boxes take.
    bool sign(std::string_view option, std::string_view value, std::optional<std::string>& out) {
        if (IsSignTooLong(value)) {
            m_error = FormatMessage(texts::kCliSignTooLong, {option});
            return false;
        }
        if (!EndsWithSpaceSignSuffix(value)) {
            out = std::string(value);
            return true;
        }
        const std::string_view count = TrimBlanks(value.substr(0, value.size() - kSpaceSignSuffix.size()));
        const auto n = NumberIn(count, 0, static_cast<int>(kMaxSignBytes));
        if (!n) {
            m_error = FormatMessage(texts::kCliBadSpaceCount, {option, value});
            return false;
        }
        out = std::string(static_cast<size_t>(*n), ' ');
        return true;
    }

    ParseResult finish() {
        if (!m_command)
            return failure(texts::kCliNoCommand);
        if (!m_path)
            return failure(texts::kCliNoFile);
        Request r;
        r.command = *m_command;
        r.extraction = m_extraction;
        r.settings = SettingsOf(m_overrides);
        r.path = *m_path;
        return {std::move(r), {}};
    }

    static ParseResult answer(Command c) {
        Request r;
        r.command = c;
        return {std::move(r), {}};
    }

    ParseResult failure(std::string error) {
        m_error = std::move(error);
        return failure();
    }
    ParseResult failure() { return {std::nullopt, m_error}; }

    std::optional<Command> m_command;
    ExtractionKind m_extraction = ExtractionKind::Checked;
    std::optional<std::string> m_path;
    Overrides m_overrides;
    std::string m_error;
};

}  // namespace

bool IsHeadless(std::span<const std::string_view> args) {
    for (const std::string_view arg : args) {
        if (arg == "--")
            return false;
        // --lang alone starts the window in that language.
        if (arg.starts_with("--") && NameOf(arg) != kLanguageOption && Find(NameOf(arg)))
            return true;
    }
    return false;
}

ParseResult ParseCommandLine(std::span<const std::string_view> args) { return Parser().run(args); }

}  // namespace vq::cli
