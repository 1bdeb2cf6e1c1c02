#include "cli/CommandLine.h"

#include "cli/CliTexts.h"
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
    Encoding,
    Get,
    Set,
    Disable,
    Enable,
    Delete,
    Check,
    Diff,
    Json,
    Lang,
};

struct OptionName {
    std::string_view name;
    Option option;
    int values;  // how many arguments follow it; one may also come after "="
};

constexpr std::array<OptionName, 24> kOptions = {{
    {"--outline", Option::Outline, 0},
    {"--extract", Option::Extract, 1},
    {"--help", Option::Help, 0},
    {"-h", Option::Help, 0},
    {"--version", Option::Version, 0},
    {"-V", Option::Version, 0},
    {"--encoding", Option::Encoding, 1},
    {"--pattern", Option::Pattern, 1},
    {"--rem", Option::Rem, 1},
    {"--split", Option::Split, 1},
    {"--title-type", Option::TitleType, 1},
    {"--title-begin", Option::TitleBegin, 1},
    {"--title-end", Option::TitleEnd, 1},
    {"--omit-spaces", Option::OmitSpaces, 0},
    {"--no-omit-spaces", Option::NoOmitSpaces, 0},
    {"--get", Option::Get, 2},
    {"--set", Option::Set, 3},
    {"--disable", Option::Disable, 2},
    {"--enable", Option::Enable, 2},
    {"--delete", Option::Delete, 2},
    {"--check", Option::Check, 0},
    {"--diff", Option::Diff, 0},
    {"--json", Option::Json, 0},
    {kLanguageOption, Option::Lang, 1},
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
            if (o == nullptr || (inlineValue && o->values != 1))
                return failure(FormatMessage(texts::kCliUnknownOption, {arg}));
            std::string_view value;
            if (inlineValue) {
                value = arg.substr(arg.find('=') + 1);
            } else if (o->values > 0) {
                if (k + static_cast<size_t>(o->values) >= args.size())
                    return failure(FormatMessage(texts::kCliMissingValue, {o->name}));
                value = args[k + 1];
            }
            if (o->option == Option::Help || o->option == Option::Version)
                return answer(o->option == Option::Help ? Command::Help : Command::Version);
            if (o->values > 1) {
                edit(*o, args.subspan(k + 1, static_cast<size_t>(o->values)));
            } else if (!apply(*o, value)) {
                return failure();
            }
            if (!inlineValue)
                k += static_cast<size_t>(o->values);
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

    void edit(const OptionName& o, std::span<const std::string_view> values) {
        KeyEdit e;
        e.action = o.option == Option::Get       ? EditAction::Get
                   : o.option == Option::Set     ? EditAction::Set
                   : o.option == Option::Disable ? EditAction::Disable
                   : o.option == Option::Enable  ? EditAction::Enable
                                                 : EditAction::Delete;
        e.section = std::string(values[0]);
        e.key = std::string(values[1]);
        if (values.size() > 2)
            e.value = std::string(values[2]);
        m_edits.push_back(std::move(e));
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
        case Option::Encoding: return encoding(value);
        case Option::Check: m_check = true; return true;
        case Option::Diff: m_diff = true; return true;
        case Option::Json: m_json = true; return true;
        case Option::Get:
        case Option::Set:
        case Option::Disable:
        case Option::Enable:
        case Option::Delete:
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

    bool encoding(std::string_view value) {
        const std::optional<LegacyCodePage> page = CodePageNamed(value);
        if (!page) {
            m_error = FormatMessage(texts::kCliUnknownEncoding, {value});
            return false;
        }
        m_codePage = *page;
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
        if (!m_edits.empty() && !command(Command::Edit))
            return failure();
        if (!m_command)
            return failure(texts::kCliNoCommand);
        if (*m_command != Command::Edit && (m_check || m_diff || m_json))
            return failure(texts::kCliEditOnly);
        if (!m_path)
            return failure(texts::kCliNoFile);
        // Standard input cannot be written back: it may be read, and edited only to see the result.
        const bool writes =
            std::any_of(m_edits.begin(), m_edits.end(), [](const KeyEdit& e) { return e.action != EditAction::Get; });
        if (*m_path == "-" && writes && !m_check)
            return failure(texts::kCliEditStdinNeedsCheck);
        Request r;
        r.command = *m_command;
        r.edits = std::move(m_edits);
        r.check = m_check;
        r.diff = m_diff;
        r.json = m_json;
        r.extraction = m_extraction;
        r.settings = SettingsOf(m_overrides);
        r.codePage = m_codePage;
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
    std::vector<KeyEdit> m_edits;
    bool m_check = false;
    bool m_diff = false;
    bool m_json = false;
    ExtractionKind m_extraction = ExtractionKind::Checked;
    std::optional<std::string> m_path;
    Overrides m_overrides;
    LegacyCodePage m_codePage = LegacyCodePage::Gb18030;
    std::string m_error;
};

}  // namespace

namespace {

// "--lang zh", "--lang=en": a language the program knows, which only chooses the window's language.
// Returns how many arguments it takes, 0 when `k` is no such --lang.
size_t KnownLanguageAt(std::span<const std::string_view> args, size_t k) {
    const std::string_view arg = args[k];
    if (arg == kLanguageOption)
        return k + 1 < args.size() && LanguageFromCode(args[k + 1]) ? 2 : 0;
    if (arg.starts_with(kLanguageOption) && arg.size() > kLanguageOption.size() && arg[kLanguageOption.size()] == '=')
        return LanguageFromCode(arg.substr(kLanguageOption.size() + 1)) ? 1 : 0;
    return 0;
}

}  // namespace

bool IsHeadless(std::span<const std::string_view> args) {
    for (size_t k = 0; k < args.size(); ++k) {
        const std::string_view arg = args[k];
        if (arg == "--")
            return false;
        if (const size_t taken = KnownLanguageAt(args, k)) {
            k += taken - 1;
            continue;
        }
        if (arg.size() >= 2 && arg[0] == '-')
            return true;
    }
    return false;
}

std::vector<std::string> WindowArguments(std::span<const std::string_view> args) {
    std::vector<std::string> files;
    bool optionsEnded = false;
    for (const std::string_view arg : WithoutLanguageArgument(args)) {
        if (arg == "--" && !optionsEnded)
            optionsEnded = true;
        else
            files.emplace_back(arg);
    }
    return files;
}

ParseResult ParseCommandLine(std::span<const std::string_view> args) { return Parser().run(args); }

}  // namespace vq::cli
