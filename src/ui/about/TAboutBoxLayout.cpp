// Builds the About box's widgets: the silver panel, the information panel and the playfield.
#include "ui/about/ShapeWidget.h"
#include "ui/about/TAboutBox.h"
#include "ui/about/TightLabel.h"
#include "ui/toolbox/Colours.h"
#include "ui/toolbox/SongTiFont.h"

#include "ui/about/AboutBoxTexts.h"

#include <QFrame>
#include <QLabel>

namespace vq {

static QString U(const char* text) { return QString::fromUtf8(text); }

static const QColor kGrey(0x80, 0x80, 0x80);
static const QColor kSkyBlue(0xA6, 0xCA, 0xF0);
// The box's own colours, never the desktop's: its labels take the text colour of their panel.
static const ColourPair kOnSilver{kSilver, Qt::black};
static const ColourPair kOnBlack{Qt::black, Qt::white};

// A panel painted in its colours; its labels take them.
static void Fill(QWidget* widget, const ColourPair& colours) {
    SetColours(widget, QPalette::Window, QPalette::WindowText, colours);
    widget->setAutoFillBackground(true);
}

// A label drawn in a colour of its own on its panel's background.
static void TextColour(QWidget* widget, const QColor& background, const QColor& text) {
    SetColours(widget, QPalette::Window, QPalette::WindowText, {background, text});
}

static QFont Font(int pixelSize, bool bold = false) {
    QFont font = SongTiFont(pixelSize);
    font.setBold(bold);
    return font;
}

QLabel* TAboutBox::addLabel(QWidget* parent, const char* name, const QRect& geometry) {
    auto* label = new QLabel(parent);
    label->setObjectName(name);
    label->setGeometry(geometry);
    return label;
}

void TAboutBox::createPanel() {
    setFont(SongTiFont(12));
    m_panel1 = new QFrame(this);
    m_panel1->setObjectName("Panel1");
    m_panel1->setGeometry(0, 0, 321, 169);
    m_panel1->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Fill(m_panel1, kOnSilver);

    m_image1 = addLabel(m_panel1, "Image1", {8, 8, 32, 32});
    m_image1->setCursor(Qt::PointingHandCursor);
    m_image1->setToolTip(U(texts::kReadmeTip));

    // The grey name lies one pixel right of and below the black one and under it: its shadow.
    m_productName = addLabel(m_panel1, "ProductName", {49, 9, 170, 32});
    m_productName->setFont(Font(27, true));
    TextColour(m_productName, kSilver, kGrey);
    m_productName->setAttribute(Qt::WA_TransparentForMouseEvents);
    m_productName1 = addLabel(m_panel1, "ProductName1", {48, 8, 170, 32});
    m_productName1->setFont(Font(27, true));
    TextColour(m_productName1, kSilver, Qt::black);

    m_version = addLabel(m_panel1, "Version", {118, 36, 100, 14});
    m_version->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    m_version->setText(U(texts::kAboutVersion));

    m_author = addLabel(m_panel1, "Author", {196, 3, 119, 14});
    m_author->setAlignment(Qt::AlignRight | Qt::AlignTop);
    m_author->setFont(Font(11));
    TextColour(m_author, kSilver, kDimText);
    m_author->setText(U(texts::kAboutAuthor));

    m_label1 = addLabel(m_panel1, "Label1", {8, 150, 200, 13});
    m_label1->setFont(Font(11));
    TextColour(m_label1, kSilver, kDimText);

    // The program has no web or mail address to point at: these links are left out.
    const QFont linkFont = [] {
        QFont f = Font(11);
        f.setUnderline(true);
        return f;
    }();
    m_lblHome = addLabel(m_panel1, "lblHome", {220, 150, 50, 13});
    m_lblHome->setText(U(texts::kHomePageLink));
    m_lblEMail = addLabel(m_panel1, "lblEMail", {274, 150, 40, 13});
    m_lblEMail->setText(U(texts::kEMailLink));
    for (QLabel* link : {m_lblHome, m_lblEMail}) {
        link->setFont(linkFont);
        TextColour(link, kSilver, kDimText);
        link->setCursor(Qt::PointingHandCursor);
        link->hide();
    }

    m_pnlInfoBack = new QWidget(m_panel1);
    m_pnlInfoBack->setObjectName("pnlInfoBack");
    m_pnlInfoBack->setGeometry(26, 50, 269, 90);
    Fill(m_pnlInfoBack, kOnBlack);
}

void TAboutBox::createInfoPanel() {
    m_pnlInfo = new QFrame(m_pnlInfoBack);
    m_pnlInfo->setObjectName("pnlInfo");
    m_pnlInfo->setGeometry(2, m_scroller.Top(), 265, about::InfoScroller::kPanelHeight);
    Fill(m_pnlInfo, kOnSilver);

    m_author1 = addLabel(m_pnlInfo, "Author1", {4, 5, 257, 20});
    m_author1->setFont(Font(15));
    TextColour(m_author1, kSilver, Qt::black);
    m_company = addLabel(m_pnlInfo, "Company", {4, 27, 257, 17});
    m_company->setText(U(texts::kAboutCompany));
    m_copyright = addLabel(m_pnlInfo, "Copyright", {4, 45, 257, 17});
    m_copyright->setText(U(texts::kAboutCopyright));
    m_comments = addLabel(m_pnlInfo, "Comments", {4, 63, 257, 28});
    m_comments->setText(U(texts::kAboutComments));
    m_comments->setWordWrap(true);
    for (QLabel* label : {m_author1, m_company, m_copyright, m_comments})
        label->setAlignment(Qt::AlignHCenter | Qt::AlignTop);

    auto* bevel = new QFrame(m_pnlInfo);
    bevel->setObjectName("BevelLine");
    bevel->setGeometry(8, 100, 249, 2);
    bevel->setFrameStyle(QFrame::HLine | QFrame::Sunken);

    m_lblIntro = new TightLabel(14, m_pnlInfo);  // six lines in 89 pixels
    m_lblIntro->setObjectName("lblIntro");
    m_lblIntro->setGeometry(8, 111, 249, 89);
}

// The playfield lies under the information panel, one pixel left of the window's edge; the label
// lies under the shapes, so the ball passes over it.
void TAboutBox::createPlayfield() {
    m_pnlBack = new QWidget(m_pnlInfoBack);
    m_pnlBack->setObjectName("pnlBack");
    m_pnlBack->setGeometry(-1, 0, about::BrickGame::kFieldWidth, about::BrickGame::kFieldHeight);
    Fill(m_pnlBack, kOnBlack);

    QLabel* qor = addLabel(m_pnlBack, "Label2", {144, 48, 60, 32});
    qor->setText(U(texts::kGameLabel));
    qor->setFont(Font(27, true));
    TextColour(qor, Qt::black, Qt::white);
    qor->setAttribute(Qt::WA_TransparentForMouseEvents);  // a release on it is one on the field

    for (int i = 0; i < about::BrickGame::kBrickCount; ++i) {
        auto* brick = new ShapeWidget(ShapeWidget::Shape::Rectangle, Qt::white, kSkyBlue, m_pnlBack);
        brick->setObjectName(QString("Shape%1").arg(i + 1));
        const about::Rect r = about::BrickGame::BrickRect(i);
        brick->setGeometry(r.left, r.top, r.width, r.height);
        m_bricks[static_cast<size_t>(i)] = brick;
    }
    m_shpBar = new ShapeWidget(ShapeWidget::Shape::Rectangle, Qt::white, Qt::black, m_pnlBack);
    m_shpBar->setObjectName("shpBar");
    m_shpBall = new ShapeWidget(ShapeWidget::Shape::Circle, kSkyBlue, QColor(), m_pnlBack);
    m_shpBall->setObjectName("shpBall");

    m_pnlInfo->raise();  // the information panel covers the playfield
}

}  // namespace vq
