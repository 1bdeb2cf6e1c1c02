#include "ui/settings/TfrmOption.h"

#include "core/settings/AnalysisSettings.h"
#include "core/settings/ProgramSettings.h"
#include "core/text/TextCompare.h"
#include "ui/toolbox/Platform.h"
#include "ui/toolbox/UiTexts.h"
#include "ui/settings/OptionTexts.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>
#include <QVBoxLayout>

namespace vq {

static QString U(const char* text) { return QString::fromUtf8(text); }

namespace {
QToolButton* FlatButton(QWidget* parent, const char* name, const char* caption) {
    auto* button = new QToolButton(parent);
    button->setObjectName(name);
    button->setText(U(caption));
    button->setAutoRaise(true);
    return button;
}

QLabel* Label(QWidget* parent, const char* caption, QWidget* buddy) {
    auto* label = new QLabel(U(caption), parent);
    label->setBuddy(buddy);
    return label;
}
}  // namespace

TfrmOption::TfrmOption(Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowCloseButtonHint),
      m_platform(platform) {
    FormCreate();
}

void TfrmOption::FormCreate() {
    setObjectName("frmOption");
    setWindowTitle(U(texts::kOptionCaption));
    m_clearRecent = false;

    auto* general = new QGroupBox(U(texts::kOptionGeneral), this);
    general->setObjectName("GroupBox1");
    general->setAccessibleName(U(texts::kOptionGeneral));
    auto* column = new QVBoxLayout(general);
    column->addWidget(makeGeneralGroup());
    column->addWidget(makeSignsGroup());
    column->addWidget(makePatternGroup());
    m_chkAutoExpand = new QCheckBox(U(texts::kOptionAutoExpand), general);
    m_chkAutoExpand->setObjectName("chkAutoExpand");
    column->addWidget(m_chkAutoExpand);
    auto* line = new QFrame(general);
    line->setObjectName("Bevel1");
    line->setFrameShape(QFrame::HLine);
    line->setFrameShadow(QFrame::Sunken);
    column->addWidget(line);
    column->addWidget(makeFontRows());
    column->addWidget(makeLanguageRow());

    auto* ok = new QPushButton(U(texts::kOptionOk), this);
    ok->setObjectName("bbtnOK");
    ok->setDefault(true);  // answers Enter
    auto* cancel = new QPushButton(U(texts::kOptionCancel), this);
    cancel->setObjectName("bbtnCancel");  // Escape rejects the dialog too
    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(ok);
    buttons->addWidget(cancel);

    auto* root = new QVBoxLayout(this);
    root->addWidget(general);
    root->addLayout(buttons);
    root->setSizeConstraint(QLayout::SetFixedSize);  // a fixed-size window
}

QWidget* TfrmOption::makeGeneralGroup() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    // The count changes only with the arrows: its edit field takes no typing.
    m_upDownRecent = new QSpinBox(row);
    m_upDownRecent->setObjectName("UpDownRecent");
    m_upDownRecent->setRange(0, kMaxRecentCount);
    m_leRecent = m_upDownRecent->findChild<QLineEdit*>();
    m_leRecent->setObjectName("leRecent");
    m_leRecent->setReadOnly(true);
    layout->addWidget(Label(row, texts::kOptionRecentCount, m_upDownRecent));
    layout->addWidget(m_upDownRecent);
    QToolButton* clear = FlatButton(row, "sbClearRecent", texts::kOptionClearRecent);
    connect(clear, &QToolButton::clicked, this, &TfrmOption::sbClearRecentClick);
    layout->addWidget(clear);
    layout->addStretch();
    return row;
}

QComboBox* TfrmOption::makeSignBox(const char* name) {
    auto* box = new QComboBox(this);
    box->setObjectName(name);
    box->setEditable(true);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMinimumContentsLength(12);
    // As wide as twelve characters whatever the signs: the dialog keeps its fixed size.
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    // cboRemChange: each box shows its text as its tooltip, also for long signs cut off.
    const auto showText = [box] { box->setToolTip(box->currentText()); };
    connect(box, &QComboBox::editTextChanged, box, showText);
    connect(box, &QComboBox::currentIndexChanged, box, showText);
    return box;
}

QWidget* TfrmOption::makeSignsGroup() {
    auto* group = new QGroupBox(U(texts::kOptionDeleteSigns), this);
    group->setObjectName("GroupBox2");
    group->setAccessibleName(U(texts::kOptionDeleteSigns));
    auto* grid = new QGridLayout(group);
    m_cboRem = makeSignBox("cboRem");
    m_cboSplit = makeSignBox("cboSplit");
    m_cboTitle = makeSignBox("cboTitle");
    struct Row {
        const char* label;
        QComboBox* box;
        const char* button;
        void (TfrmOption::*click)();
    };
    const Row rows[] = {{texts::kOptionRemSign, m_cboRem, "sbDelRem", &TfrmOption::sbDelRemClick},
                        {texts::kOptionSplitSign, m_cboSplit, "sbDelSplit", &TfrmOption::sbDelSplitClick},
                        {texts::kOptionTitleSign, m_cboTitle, "sbDelTitle", &TfrmOption::sbDelTitleClick}};
    int r = 0;
    for (const Row& row : rows) {
        QToolButton* del = FlatButton(group, row.button, texts::kOptionDelete);
        // The three buttons read alike; a screen reader tells them apart by the sign they delete.
        QString sign = U(row.label);
        sign.remove(QLatin1Char(':'));
        del->setAccessibleName(FormatMessageQ(texts::kNameDeleteSign, sign));
        connect(del, &QToolButton::clicked, this, row.click);
        grid->addWidget(Label(group, row.label, row.box), r, 0);
        grid->addWidget(row.box, r, 1);
        grid->addWidget(del, r, 2);
        ++r;
    }
    return group;
}

QWidget* TfrmOption::makePatternGroup() {
    auto* group = new QGroupBox(U(texts::kOptionDefaultPattern), this);
    group->setObjectName("rgPattern");
    group->setAccessibleName(U(texts::kOptionDefaultPattern));
    auto* grid = new QGridLayout(group);
    m_rgPattern = new QButtonGroup(group);
    for (int p = 0; p < kPatternCount; ++p) {
        auto* item = new QRadioButton(U(texts::kOptionPatterns[p]), group);
        item->setObjectName(QString("rgPattern%1").arg(p));
        m_rgPattern->addButton(item, p);
        grid->addWidget(item, p / 2, p % 2);
    }
    return group;
}

QWidget* TfrmOption::makeFontRows() {
    auto* block = new QWidget(this);
    auto* layout = new QVBoxLayout(block);
    layout->setContentsMargins(0, 0, 0, 0);
    QToolButton* setFont = FlatButton(block, "sbSetFont", texts::kOptionSetFont);
    connect(setFont, &QToolButton::clicked, this, &TfrmOption::sbSetFontClick);
    layout->addWidget(setFont, 0, Qt::AlignLeft);
    auto* form = new QFormLayout;
    m_leFontName = new QLineEdit(block);
    m_leFontName->setObjectName("leFontName");
    m_leFontName->setReadOnly(true);
    m_leFontSize = new QLineEdit(block);
    m_leFontSize->setObjectName("leFontSize");
    m_leFontSize->setReadOnly(true);
    m_leFontSize->setMaximumWidth(60);
    form->addRow(Label(block, texts::kOptionFontName, m_leFontName), m_leFontName);
    form->addRow(Label(block, texts::kOptionFontSize, m_leFontSize), m_leFontSize);
    layout->addLayout(form);
    return block;
}

// "界面语言": each language by its own name; the choice takes effect at the next start.
QWidget* TfrmOption::makeLanguageRow() {
    auto* row = new QWidget(this);
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    m_cboLanguage = new QComboBox(row);
    m_cboLanguage->setObjectName("cboLanguage");
    for (const char* name : texts::kLanguageNames)
        m_cboLanguage->addItem(U(name));
    auto* note = new QLabel(U(texts::kOptionLanguageNote), row);
    note->setObjectName("lblLanguageNote");
    note->setEnabled(false);
    layout->addWidget(Label(row, texts::kOptionLanguage, m_cboLanguage));
    layout->addWidget(m_cboLanguage);
    layout->addWidget(note);
    layout->addStretch();
    return row;
}

void TfrmOption::setValues(const OptionValues& values) {
    const auto fill = [](QComboBox* box, const QStringList& items, int index) {
        box->clear();
        box->addItems(items);
        box->setCurrentIndex(index);
        box->setToolTip(box->currentText());
    };
    fill(m_cboRem, values.remSigns, values.remIndex);
    fill(m_cboSplit, values.splitSigns, values.splitIndex);
    fill(m_cboTitle, values.titleSigns, values.titleIndex);
    m_charset = values.charset;
    showFont(values.font);
    m_upDownRecent->setValue(values.recentCount);
    if (QAbstractButton* item = m_rgPattern->button(values.defaultPattern))
        item->setChecked(true);
    m_chkAutoExpand->setChecked(values.autoExpand);
    m_cboLanguage->setCurrentIndex(values.language);
}

OptionValues TfrmOption::values() const {
    OptionValues out;
    const auto items = [](const QComboBox* box) {
        QStringList list;
        for (int i = 0; i < box->count(); ++i)
            list << box->itemText(i);
        return list;
    };
    out.remSigns = items(m_cboRem);
    out.splitSigns = items(m_cboSplit);
    out.titleSigns = items(m_cboTitle);
    out.remIndex = m_cboRem->currentIndex();
    out.splitIndex = m_cboSplit->currentIndex();
    out.titleIndex = m_cboTitle->currentIndex();
    out.font = m_font;
    out.charset = m_charset;
    out.recentCount = m_upDownRecent->value();
    out.defaultPattern = m_rgPattern->checkedId();
    out.autoExpand = m_chkAutoExpand->isChecked();
    out.language = m_cboLanguage->currentIndex();
    return out;
}

// The face name is shown in the font itself.
void TfrmOption::showFont(const QFont& font) {
    m_font = font;
    m_leFontName->setFont(font);
    m_leFontName->setText(font.family());
    m_leFontSize->setText(QString::number(font.pointSize()));
}

void TfrmOption::sbSetFontClick() {
    QFont font = m_font;
    if (m_platform.chooseFont(this, font))
        showFont(font);
}

void TfrmOption::deleteSign(QComboBox* box, size_t protectedCount) {
    const std::string text = box->currentText().toStdString();
    int found = -1;
    for (int i = 0; i < box->count() && found < 0; ++i)
        if (EqualsIgnoringCase(box->itemText(i).toStdString(), text))
            found = i;
    if (found < static_cast<int>(protectedCount)) {  // a built-in sign, or none at all
        m_platform.beep();
        return;
    }
    box->removeItem(found);
    if (found < box->count()) {
        box->setCurrentIndex(found);
    } else {
        box->setCurrentIndex(-1);
        box->setEditText({});
    }
}

void TfrmOption::sbDelRemClick() { deleteSign(m_cboRem, kBuiltinRemSigns.size()); }
void TfrmOption::sbDelSplitClick() { deleteSign(m_cboSplit, kBuiltinSplitSigns.size()); }
void TfrmOption::sbDelTitleClick() { deleteSign(m_cboTitle, kBuiltinTitleSigns.size()); }

void TfrmOption::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = this->screen())  // centred on the screen, not on the window
        move(screen->availableGeometry().center() - rect().center());
}

}  // namespace vq
