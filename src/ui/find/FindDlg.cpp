#include "ui/find/FindDlg.h"

#include "ui/find/FindTexts.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace vq {

namespace {

QString Text(const char* utf8) { return QString::fromUtf8(utf8); }

template <typename T>
T* Named(T* widget, const char* name) {
    widget->setObjectName(name);
    return widget;
}

}  // namespace

FindDlg::FindDlg(std::function<QString(const QString&)> limit, QWidget* parent)
    : QDialog(parent), m_limit(std::move(limit)) {
    setObjectName("FindDlg");
    setWindowTitle(Text(texts::kFindDlgTitle));
    setModal(false);

    m_text = Named(new QLineEdit, "edtFindText");
    auto* label = new QLabel(Text(texts::kFindWhat));
    label->setBuddy(m_text);
    m_wholeWord = Named(new QCheckBox(Text(texts::kFindWholeWord)), "chkWholeWord");
    m_matchCase = Named(new QCheckBox(Text(texts::kFindMatchCase)), "chkMatchCase");

    // Direction: always down (the search runs forward from the selection's end).
    auto* direction = Named(new QGroupBox(Text(texts::kFindDirection)), "grpDirection");
    auto* up = Named(new QRadioButton(Text(texts::kFindUp)), "rbUp");
    m_down = Named(new QRadioButton(Text(texts::kFindDown)), "rbDown");
    m_down->setChecked(true);
    auto* directionLayout = new QHBoxLayout(direction);
    directionLayout->addWidget(up);
    directionLayout->addWidget(m_down);
    direction->setEnabled(false);

    m_find = Named(new QPushButton(Text(texts::kFindNextButton)), "btnFindNext");
    m_find->setDefault(true);
    m_find->setEnabled(false);
    auto* cancel = Named(new QPushButton(Text(texts::kFindCancel)), "btnCancel");

    auto* grid = new QGridLayout(this);
    grid->addWidget(label, 0, 0);
    grid->addWidget(m_text, 0, 1, 1, 2);
    grid->addWidget(m_find, 0, 3);
    auto* options = new QVBoxLayout;
    options->addWidget(m_wholeWord);
    options->addWidget(m_matchCase);
    options->addStretch();
    grid->addLayout(options, 1, 0, 1, 2);
    grid->addWidget(direction, 1, 2);
    grid->addWidget(cancel, 1, 3, Qt::AlignTop);
    grid->setColumnStretch(1, 1);

    connect(m_text, &QLineEdit::textEdited, this, &FindDlg::textEdited);
    connect(m_text, &QLineEdit::textChanged, this,
            [this](const QString& text) { m_find->setEnabled(!text.isEmpty()); });
    connect(m_find, &QPushButton::clicked, this, [this] {
        if (!findText().isEmpty())
            emit findRequested();
    });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
}

QString FindDlg::findText() const { return m_text->text(); }

void FindDlg::setFindText(const QString& text) {
    m_text->setText(m_limit(text));
    m_text->selectAll();
}

bool FindDlg::matchCase() const { return m_matchCase->isChecked(); }
bool FindDlg::wholeWord() const { return m_wholeWord->isChecked(); }

// Typing beyond the limit keeps the text as it was at the limit.
void FindDlg::textEdited() {
    const QString text = m_text->text();
    const QString cut = m_limit(text);
    if (cut != text) {
        const int caret = std::min(m_text->cursorPosition(), static_cast<int>(cut.size()));
        m_text->setText(cut);
        m_text->setCursorPosition(caret);
    }
}

}  // namespace vq
