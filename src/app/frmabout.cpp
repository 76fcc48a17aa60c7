#include "frmabout.h"

#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionFocusRect>

#include "about/aboutbox.h"
#include "about/sysinfolauncher.h"
#include "appicons.h"
#include "twips.h"
#include "widgets/qt/qtform.h"
#include "widgets/qt/qtmsgbox.h"

namespace {

using twips::Face;
using twips::Place;
using twips::Px;

// A wrapped label whose text would run past its bottom edge in a face wider than the one it was
// laid out for: the font steps down until the whole text shows, its last line included.
void FitToHeight(QLabel* label, const QFont& font) {
    constexpr double kSmallest = 6.0;
    QFont fitted = font;
    label->setFont(fitted);
    while (label->heightForWidth(label->width()) > label->height() &&
           fitted.pointSizeF() > kSmallest) {
        fitted.setPointSizeF(fitted.pointSizeF() - 0.25);
        label->setFont(fitted);
    }
}

void SetBlackText(QWidget* control) {
    QPalette palette = control->palette();
    palette.setColor(QPalette::WindowText, Qt::black);
    control->setPalette(palette);
}

// The picture box with the application's 32x32 icon. It takes the focus by Tab and shows it
// with a dotted frame.
class IconBox : public QWidget {
  public:
    explicit IconBox(QWidget* parent) : QWidget(parent) {
        setFocusPolicy(Qt::StrongFocus);
        setAttribute(Qt::WA_NoSystemBackground);
    }

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        constexpr int kIcon = 32;
        QPainter painter(this);
        const QRect icon((width() - kIcon) / 2, (height() - kIcon) / 2, kIcon, kIcon);
        AppIcon().paint(&painter, icon);
        if (hasFocus()) {
            QStyleOptionFocusRect option;
            option.initFrom(this);
            option.rect = rect();
            style()->drawPrimitive(QStyle::PE_FrameFocusRect, &option, &painter, this);
        }
    }
};

// The etched separator: a one-pixel grey line with a two-pixel white line under it, the white
// one starting a pixel further right. Drawn from (90, 2445) and (105, 2460) twips to 5654 twips.
class EtchedLine : public QWidget {
  public:
    explicit EtchedLine(QWidget* parent) : QWidget(parent) {
        setAttribute(Qt::WA_TransparentForMouseEvents);
        setGeometry(Px(90), Px(2445), Px(5654) - Px(90), 3);
    }

  protected:
    void paintEvent(QPaintEvent* /*event*/) override {
        QPainter painter(this);
        painter.fillRect(0, 0, width(), 1, QColor(128, 128, 128));
        const int whiteLeft = Px(105) - Px(90);
        painter.fillRect(whiteLeft, 1, width() - whiteLeft, 2, QColor(255, 255, 255));
    }
};

// A fixed dialog border: a title with the close box, no minimize or maximize box.
constexpr Qt::WindowFlags kDialogFlags = Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint |
                                         Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                                         Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;

}  // namespace

frmAbout::frmAbout(QWidget* parent)
    : QDialog(parent, kDialogFlags),
      ownServices_(kelvane::PlatformSysInfoServices()),
      ownMsgBox_(std::make_unique<kelvane::qt::QtMsgBox>(this)) {
    CreateControls();
    launcher_ = std::make_unique<kelvane::SysInfoLauncher>(
        *ownServices_.registry, *ownServices_.files, *ownServices_.starter, *ownMsgBox_);
}

frmAbout::frmAbout(kelvane::Registry& registry, kelvane::FileLookup& files,
                   kelvane::ProgramStarter& starter, kelvane::MsgBox& msgBox, QWidget* parent)
    : QDialog(parent, kDialogFlags) {
    CreateControls();
    launcher_ = std::make_unique<kelvane::SysInfoLauncher>(registry, files, starter, msgBox);
}

frmAbout::~frmAbout() = default;

void frmAbout::CreateControls() {
    setObjectName("frmAbout");
    setWindowTitle("About MyApp");
    setWindowIcon(AppIcon());
    setFont(Face("MS Sans Serif", 8.25, false));
    // The client area: 5730 x 3555 twips, its top-left corner at 2340, 1935 twips on the screen.
    setGeometry(Px(2340), Px(1935), Px(5730), Px(3555));
    setFixedSize(Px(5730), Px(3555));
    setSizeGripEnabled(false);
    form_ = new kelvane::qt::QtForm(this);

    picIcon = new IconBox(this);
    picIcon->setObjectName("picIcon");
    Place(picIcon, 240, 240, 540, 540);

    lblTitle = new QLabel("Application Title", this);
    lblTitle->setObjectName("lblTitle");
    lblTitle->setFont(Face("MS Sans Serif", 9.75, true));
    SetBlackText(lblTitle);
    Place(lblTitle, 1050, 240, 3885, 480);

    lblVersion = new QLabel("Version", this);
    lblVersion->setObjectName("lblVersion");
    Place(lblVersion, 1050, 780, 3885, 225);

    lblDescription = new QLabel("App Description", this);
    lblDescription->setObjectName("lblDescription");
    lblDescription->setWordWrap(true);
    SetBlackText(lblDescription);
    Place(lblDescription, 1050, 1125, 3885, 1170);

    for (QLabel* label : {lblTitle, lblVersion, lblDescription}) {
        label->setTextFormat(Qt::PlainText);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    }

    Line1 = new EtchedLine(this);
    Line1->setObjectName("Line1");

    cmdOK = new QPushButton("OK", this);
    cmdOK->setObjectName("cmdOK");
    cmdOK->setDefault(true);
    Place(cmdOK, 4245, 2625, 1260, 345);

    cmdSysInfo = new QPushButton("&System Info...", this);
    cmdSysInfo->setObjectName("cmdSysInfo");
    Place(cmdSysInfo, 4260, 3075, 1245, 345);

    setTabOrder(cmdOK, picIcon);
    setTabOrder(picIcon, cmdSysInfo);
    cmdOK->setFocus();

    // Esc, like the close box, rejects the dialog, which closes it just as OK does.
    connect(cmdOK, &QPushButton::clicked, this, [this] { cmdOK_Click(); });
    connect(cmdSysInfo, &QPushButton::clicked, this, [this] { cmdSysInfo_Click(); });
}

void frmAbout::Form_Load() {
    kelvane::LoadAboutBox(*this);
}

void frmAbout::cmdOK_Click() {
    Unload();
}

void frmAbout::cmdSysInfo_Click() {
    launcher_->StartSysInfo();
}

std::string frmAbout::Caption() const {
    return form_->Caption();
}

void frmAbout::SetCaption(const std::string& caption) {
    form_->SetCaption(caption);
}

std::string frmAbout::LabelCaption(const std::string& label) const {
    return form_->LabelCaption(label);
}

void frmAbout::SetLabelCaption(const std::string& label, const std::string& caption) {
    form_->SetLabelCaption(label, caption);
    if (label == "lblDescription") {
        FitToHeight(lblDescription, font());
    }
}

void frmAbout::ShowModal() {
    Form_Load();
    setWindowModality(Qt::ApplicationModal);
    exec();
}

void frmAbout::Unload() {
    done(QDialog::Accepted);
}

std::uintptr_t frmAbout::NativeHandle() const {
    return form_->NativeHandle();
}

void frmAbout::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    cmdOK->setFocus();
}
