#include "ui/editing/TfrmInsert.h"

#include "ui/toolbox/Platform.h"
#include "ui/toolbox/SongTiFont.h"

#include "core/settings/SettingsTexts.h"
#include "ui/editing/EditDialogTexts.h"
#include "ui/settings/OptionTexts.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QTabWidget>
#include <QTextCursor>
#include <QTextDocument>
#include <QVBoxLayout>

#include <algorithm>

namespace vq {

static QString U(const char* text) { return QString::fromUtf8(text); }

TfrmInsert::TfrmInsert(Platform& platform, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMaximizeButtonHint |
                          Qt::WindowCloseButtonHint),
      m_platform(platform) {
    FormCreate();
}

void TfrmInsert::FormCreate() {
    setObjectName("frmInsert");
    setWindowTitle(U(texts::kInsertCaption));
    setFont(SongTiFont(12));
    setSizeGripEnabled(true);
    resize(507, 256);

    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(makePages(), 1);
    layout->addWidget(makeButtonPanel());
    connect(m_pcPages, &QTabWidget::currentChanged, this, &TfrmInsert::pcPagesChange);
}

QWidget* TfrmInsert::makePages() {
    auto* panel = new QWidget(this);
    panel->setObjectName("Panel1");
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(4, 4, 4, 4);

    m_pcPages = new QTabWidget(panel);
    m_pcPages->setObjectName("pcPages");
    m_mmText = new QPlainTextEdit;
    m_mmText->setObjectName("mmText");
    m_mmText->setLineWrapMode(QPlainTextEdit::NoWrap);
    m_mmText->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_mmText->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    m_mmText->setTabChangesFocus(false);
    auto* plain = new QWidget;
    plain->setObjectName("TabSheet1");
    auto* plainLayout = new QVBoxLayout(plain);
    plainLayout->setContentsMargins(0, 0, 0, 0);
    plainLayout->addWidget(m_mmText);
    m_pcPages->addTab(plain, U(texts::kInsertPagePlain));
    m_pcPages->addTab(makeTitlePage(), U(texts::kInsertPageTitle));
    m_pcPages->setCurrentIndex(PlainPage);
    column->addWidget(m_pcPages);
    return panel;
}

QWidget* TfrmInsert::makeTitlePage() {
    auto* page = new QWidget;
    page->setObjectName("TabSheet2");
    auto* form = new QFormLayout(page);

    m_cboTitleType = new QComboBox(page);
    m_cboTitleType->setObjectName("cboTitleType");
    for (const char* caption : texts::kTitleTypeCaptions)
        m_cboTitleType->addItem(U(caption));
    m_cboTitleType->setCurrentIndex(0);
    form->addRow(m_cboTitleType);

    m_leTitle = new QLineEdit(page);
    m_leTitle->setObjectName("leTitle");
    auto* label = new QLabel(U(texts::kInsertTitleLabel), page);
    label->setBuddy(m_leTitle);
    form->addRow(label, m_leTitle);

    m_chkAddRem = new QCheckBox(U(texts::kInsertAddRem), page);
    m_chkAddRem->setObjectName("chkAddRem");
    m_chkAddRem->setChecked(true);
    form->addRow(m_chkAddRem);
    return page;
}

QWidget* TfrmInsert::makeButtonPanel() {
    auto* panel = new QWidget(this);
    panel->setObjectName("Panel2");
    auto* column = new QVBoxLayout(panel);
    column->setContentsMargins(2, 8, 4, 8);

    m_chkAllRem = new QCheckBox(U(texts::kInsertAllRem), panel);
    m_chkAllRem->setObjectName("chkAllRem");
    m_chkAllRem->setChecked(false);
    column->addWidget(m_chkAllRem);
    // 75 pixels, or as wide as the caption needs on one line in the font the desktop gives.
    panel->setFixedWidth(std::max(75, m_chkAllRem->sizeHint().width() + 6));
    column->addStretch(1);

    auto* ok = new QPushButton(U(texts::kOptionOk), panel);
    ok->setObjectName("btnOK");
    ok->setDefault(true);  // Enter in a one-line control confirms
    auto* cancel = new QPushButton(U(texts::kOptionCancel), panel);
    cancel->setObjectName("btnCancel");
    connect(ok, &QPushButton::clicked, this, &TfrmInsert::accept);
    connect(cancel, &QPushButton::clicked, this, &TfrmInsert::reject);
    column->addWidget(ok);
    column->addWidget(cancel);
    return panel;
}

bool TfrmInsert::execute(const QString& caption, int titleType) {
    setWindowTitle(caption);
    m_cboTitleType->setCurrentIndex(titleType >= 0 && titleType < m_cboTitleType->count() ? titleType : 0);
    return exec() == QDialog::Accepted;
}

void TfrmInsert::clearText() { m_mmText->clear(); }

void TfrmInsert::setText(const QString& text) { m_mmText->setPlainText(text); }

// Every character as it stands (toPlainText would give a no-break space as a space), a line
// break between the blocks.
QString TfrmInsert::text() const {
    return m_mmText->document()->toRawText().replace(QChar::ParagraphSeparator, QLatin1Char('\n'));
}

void TfrmInsert::showPlainPage() { m_pcPages->setCurrentIndex(PlainPage); }

int TfrmInsert::titleTypeIndex() const { return m_cboTitleType->currentIndex(); }

QString TfrmInsert::title() const { return m_leTitle->text(); }

bool TfrmInsert::addRem() const { return m_chkAddRem->isChecked(); }

bool TfrmInsert::allRem() const { return m_chkAllRem->isChecked(); }

void TfrmInsert::pcPagesChange(int index) {
    m_insertPage = index == TitlePage ? TitlePage : PlainPage;
    m_chkAllRem->setEnabled(m_insertPage == PlainPage);
    if (m_insertPage == PlainPage)
        m_mmText->setFocus();
    else
        m_leTitle->setFocus();
}

// FormShow: centred on the screen, the text box's caret at its start, the active page's control
// focused.
void TfrmInsert::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen())
        move(screen->availableGeometry().center() - rect().center());
    m_mmText->moveCursor(QTextCursor::Start);
    pcPagesChange(m_pcPages->currentIndex());
}

void TfrmInsert::accept() {
    if (m_check) {
        const QString refusal = m_check(m_insertPage == PlainPage ? text() : title());
        if (!refusal.isEmpty()) {
            m_platform.showMessage(this, refusal);
            return;
        }
    }
    QDialog::accept();
}

}  // namespace vq
