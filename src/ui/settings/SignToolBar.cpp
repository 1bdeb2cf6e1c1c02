#include "ui/settings/SignToolBar.h"

#include "ui/document/TextCodec.h"
#include "ui/toolbox/Colours.h"
#include "ui/toolbox/Platform.h"
#include "ui/toolbox/UiTexts.h"
#include "core/settings/SettingsTexts.h"
#include "ui/settings/OptionTexts.h"

#include <QAbstractItemView>
#include <QAction>
#include <QActionGroup>
#include <QComboBox>
#include <QFocusEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QStyleOptionComboBox>
#include <QToolBar>
#include <QToolButton>
#include <QValidator>

namespace vq {

static QString U(const char* text) { return QString::fromUtf8(text); }

namespace {
// The title-sign box opens its list at least as wide as its longest sign plus 30 pixels, so long
// signs show whole.
class TitleSignBox : public QComboBox {
public:
    using QComboBox::QComboBox;
    void showPopup() override {  // cboTitleSignDropDown
        QString longest;
        for (int i = 0; i < count(); ++i)
            if (itemText(i).toUtf8().size() > longest.toUtf8().size())
                longest = itemText(i);
        view()->setMinimumWidth(fontMetrics().horizontalAdvance(longest) + 30);
        QComboBox::showPopup();
    }
};

// Typing is limited to one character; texts the program sets (such as "1|_|") are not.
class OneCharValidator : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int&) const override { return input.size() <= 1 ? Acceptable : Invalid; }
};
}  // namespace

// A one-character box is as wide as the longest text it shows, a blank in its space-count form
// "1|_|", and no wider: the tool bar keeps its room.
static int OneCharBoxWidth(const QComboBox* box) {
    const QFontMetrics metrics(box->font());
    constexpr int kLineEditMargins = 2 * 2 + 1;  // the line edit's own text margins, and the cursor
    const int needed = metrics.horizontalAdvance(QStringLiteral("1|_|")) + kLineEditMargins;
    QStyleOptionComboBox option;
    option.initFrom(box);
    option.editable = true;
    int width = needed;
    for (;; ++width) {
        option.rect = QRect(0, 0, width, box->sizeHint().height());
        if (box->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, box).width() >=
            needed)
            return width;
    }
}

SignToolBar::SignToolBar(QWidget* window, const TextCodec& codec, Platform& platform)
    : m_window(window), m_platform(platform) {
    // The hint counts a title sign in bytes of the legacy code page: two for a Chinese character.
    m_panel.setSignLength([&codec](std::string_view sign) {
        return codec.legacyLength(QString::fromUtf8(sign.data(), static_cast<qsizetype>(sign.size())));
    });
    m_cboRem = makeBox("cboRem", texts::kOneCharHint, true);
    m_cboSplit = makeBox("cboSplit", texts::kOneCharHint, true);
    m_cboSplit->setMaxVisibleItems(10);
    m_cboTitleSign = makeBox("cboTitleSign", "", false);
    connect(m_cboRem, &QComboBox::editTextChanged, this, [this](const QString& t) { onTextChanged(SignBox::Rem, t); });
    connect(m_cboSplit, &QComboBox::editTextChanged, this,
            [this](const QString& t) { onTextChanged(SignBox::Split, t); });
    connect(m_cboTitleSign, &QComboBox::editTextChanged, this,
            [this](const QString& t) { onTextChanged(SignBox::TitleSign, t); });
    refresh();
}

QComboBox* SignToolBar::makeBox(const char* name, const char* hint, bool oneChar) {
    QComboBox* box = oneChar ? new QComboBox(m_window) : new TitleSignBox(m_window);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setCompleter(nullptr);  // a sign is what the user types, never what a history completes
    box->setStatusTip(U(hint));
    box->setToolTip(U(hint));
    box->setMinimumContentsLength(oneChar ? 1 : 4);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    if (oneChar)
        box->setFixedWidth(OneCharBoxWidth(box));
    else
        box->setMaximumWidth(54);  // ";;;;;;" whole, and the tool bar whole in the window's first width
    if (oneChar)
        box->lineEdit()->setValidator(new OneCharValidator(box));
    // The box, not its line edit, has the focus: the line edit only hears of it directly.
    box->installEventFilter(this);
    return box;
}

QComboBox* SignToolBar::box(SignBox which) const {
    switch (which) {
    case SignBox::Rem: return m_cboRem;
    case SignBox::Split: return m_cboSplit;
    default: return m_cboTitleSign;
    }
}

QStringList SignToolBar::historyTexts(SignBox which) const {
    QStringList items;
    for (const std::string& item : m_panel.history(which))
        items << textOf(item);
    return items;
}

void SignToolBar::setHistoryTexts(SignBox which, const QStringList& items) {
    std::vector<std::string> bytes;
    bytes.reserve(static_cast<size_t>(items.size()));
    for (const QString& item : items)
        bytes.push_back(bytesOf(item));
    m_panel.setHistory(which, std::move(bytes));
    refresh();
}

// Leaving a box for another control adds its text to the box's history. The focus going to the
// box's own list, or to another program, does not leave the box.
bool SignToolBar::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusOut) {
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        for (SignBox which : {SignBox::Rem, SignBox::Split, SignBox::TitleSign}) {
            QComboBox* b = box(which);
            const bool leaves =
                !b->view()->isVisible() && reason != Qt::PopupFocusReason && reason != Qt::ActiveWindowFocusReason;
            if (watched == b && leaves) {
                m_panel.actAdd2ComboBoxExecute(which);
                refresh();
            }
        }
    }
    return QObject::eventFilter(watched, event);
}

static QToolButton* DropDownButton(QWidget* parent, const char* name, const QString& text, const char* icon,
                                   const char* hint, QMenu* menu) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    if (!text.isEmpty()) {
        button->setText(text);
        button->setToolButtonStyle(Qt::ToolButtonTextOnly);
    } else {
        button->setIcon(QIcon(QString(":/icons/%1.svg").arg(icon)));
        button->setAccessibleName(U(hint));  // a button of an image alone is named by its hint
    }
    button->setStatusTip(U(hint));
    button->setToolTip(U(hint));
    button->setMenu(menu);
    button->setPopupMode(QToolButton::InstantPopup);
    button->setAutoRaise(true);
    return button;
}

void SignToolBar::addToolBarWidgets(QToolBar* toolBar) {
    // Each label is its box's buddy: a screen reader reads the box by its label, and its sign as
    // its value.
    auto label = [toolBar](const char* name, const char* text, const char* hint, QComboBox* box) {
        auto* l = new QLabel(U(text), toolBar);
        l->setObjectName(name);
        l->setStatusTip(U(hint));
        l->setToolTip(U(hint));
        l->setBuddy(box);
        return l;
    };
    toolBar->addWidget(label("LabelRem", texts::kLabelRem, texts::kLabelRemHint, m_cboRem));
    toolBar->addWidget(m_cboRem);
    toolBar->addSeparator();
    toolBar->addWidget(label("LabelSplit", texts::kLabelSplit, texts::kLabelSplitHint, m_cboSplit));
    toolBar->addWidget(m_cboSplit);
    // The title-sign box stands beside its drop-down button; an unseen label names it the same.
    label("LabelTitleSign", texts::kTitleSignButton, texts::kTitleSignButtonHint, m_cboTitleSign)->hide();
    toolBar->addSeparator();
    toolBar->addWidget(DropDownButton(toolBar, "tbtnBeginEnd", U(texts::kTitleSignButton), "titleSign",
                                      texts::kTitleSignButtonHint, makeSignBeginEndMenu()));
    toolBar->addWidget(m_cboTitleSign);
    toolBar->addWidget(
        DropDownButton(toolBar, "tbtnTitleType", {}, "titleType", texts::kTitleTypeButtonHint, makeTitleTypeMenu()));
    toolBar->addSeparator();
    toolBar->addWidget(
        DropDownButton(toolBar, "tbtnPattern", {}, "pattern", texts::kPatternButtonHint, makePatternMenu()));
    toolBar->addSeparator();
    refresh();
}

QMenu* SignToolBar::makeSignBeginEndMenu() {
    auto* menu = new QMenu(m_window);
    menu->setObjectName("PopupMenu_SignBeginEnd");
    auto* group = new QActionGroup(menu);
    m_popSignBegin = menu->addAction(U(texts::kSignBegin));
    m_popSignBegin->setObjectName("popSignBegin");
    m_popSignEnd = menu->addAction(U(texts::kSignEnd));
    m_popSignEnd->setObjectName("popSignEnd");
    for (auto [item, tag] : {std::pair{m_popSignBegin, 0}, std::pair{m_popSignEnd, 1}}) {
        item->setCheckable(true);
        item->setData(tag);
        group->addAction(item);
        connect(item, &QAction::triggered, this, [this, tag = tag] {
            m_panel.popSignClick(tag);
            refresh();
        });
    }
    return menu;
}

QMenu* SignToolBar::makeTitleTypeMenu() {
    auto* menu = new QMenu(m_window);
    menu->setObjectName("PopupMenu_TilteType");
    auto* group = new QActionGroup(menu);
    for (int type = 0; type < kTitleTypeCount; ++type) {
        QAction* item = menu->addAction(U(texts::kTitleTypeCaptions[type]));
        item->setObjectName(QString("popTitleSign%1").arg(type));
        item->setStatusTip(U(texts::kTitleTypeHints[type]));
        item->setCheckable(true);
        item->setData(type);
        group->addAction(item);
        m_titleTypeItems.append(item);
        connect(item, &QAction::triggered, this, [this, type] {
            m_panel.SetTitleType(TitleTypeFromIndex(type));
            refresh();
        });
    }
    menu->addSeparator();
    m_omitSpaces = menu->addAction(U(texts::kOmitTitleSignSpace));
    m_omitSpaces->setObjectName("mnuOmmitTitleSignSpace");
    m_omitSpaces->setCheckable(true);
    connect(m_omitSpaces, &QAction::triggered, this, [this] {
        m_panel.toggleOmitTitleSignSpace();
        refresh();
    });
    connect(menu, &QMenu::aboutToShow, this, &SignToolBar::refresh);  // PopupMenu_TilteTypePopup
    return menu;
}

QMenu* SignToolBar::makePatternMenu() {
    auto* menu = new QMenu(m_window);
    menu->setObjectName("PopupMenu_Pattern");
    addPatternItems(menu, "popPtn");
    return menu;
}

void SignToolBar::addPatternItems(QMenu* menu, const char* prefix) {
    auto* group = new QActionGroup(menu);
    for (int p = 0; p < kPatternCount; ++p) {
        QAction* item = menu->addAction(U(texts::kPatternCaptions[p]));
        item->setObjectName(QString("%1%2").arg(prefix).arg(p));
        item->setStatusTip(item->text());
        item->setCheckable(true);
        item->setData(p);
        group->addAction(item);
        m_patternItems.append(item);
        connect(item, &QAction::triggered, this, [this, p] { PatternClick(p); });
    }
    refresh();
}

void SignToolBar::ApplyDefaultPattern(int defaultPattern) { PatternClick(defaultPattern); }

void SignToolBar::PatternClick(int pattern) {
    m_panel.PatternClick(pattern);
    refresh();
}

void SignToolBar::onTextChanged(SignBox which, const QString& text) {
    if (m_refreshing)
        return;
    const std::string bytes = bytesOf(text);
    bool taken = true;
    switch (which) {
    case SignBox::Rem: taken = m_panel.cboRemChange(bytes); break;
    case SignBox::Split: taken = m_panel.cboSplitChange(bytes); break;
    case SignBox::TitleSign: taken = m_panel.cboTitleSignChange(bytes); break;
    }
    if (!taken)
        m_platform.beep();
    refresh();
}

// A sign is the text the user typed, held as UTF-8 whatever document is open; each document is
// analysed with it in its own encoding.
std::string SignToolBar::bytesOf(const QString& text) { return text.toStdString(); }

QString SignToolBar::textOf(const std::string& sign) { return QString::fromStdString(sign); }

void SignToolBar::refresh() {
    m_refreshing = true;
    for (SignBox which : {SignBox::Rem, SignBox::Split, SignBox::TitleSign}) {
        QComboBox* b = box(which);
        const QStringList items = historyTexts(which);
        QStringList current;
        for (int i = 0; i < b->count(); ++i)
            current << b->itemText(i);
        if (current != items) {
            b->clear();
            b->addItems(items);
        }
        const QString text = textOf(m_panel.text(which));
        if (b->currentText() != text)
            b->setEditText(text);
    }
    m_cboTitleSign->setEnabled(m_panel.titleSignEnabled());
    const ColourPair colours{m_panel.titleSignColour() == BoxColour::Silver ? kSilver : QColor(Qt::white), Qt::black};
    SetColours(m_cboTitleSign, QPalette::Base, QPalette::Text, colours);
    SetColours(m_cboTitleSign->lineEdit(), QPalette::Base, QPalette::Text, colours);
    const QString hint = QString::fromStdString(m_panel.titleSignHint());
    m_cboTitleSign->setStatusTip(hint);
    m_cboTitleSign->setToolTip(hint);
    if (m_popSignBegin) {
        m_popSignBegin->setEnabled(m_panel.signBeginEnabled());
        m_popSignEnd->setEnabled(m_panel.signEndEnabled());
        (m_panel.signEndMarked() ? m_popSignEnd : m_popSignBegin)->setChecked(true);
    }
    for (QAction* item : m_titleTypeItems)
        item->setChecked(item->data().toInt() == TitleTypeIndex(m_panel.titleType()));
    if (m_omitSpaces)
        m_omitSpaces->setChecked(m_panel.omitTitleSignSpace());
    for (QAction* item : m_patternItems)
        item->setChecked(item->data().toInt() == m_panel.currentPattern());
    m_refreshing = false;
}

}  // namespace vq
