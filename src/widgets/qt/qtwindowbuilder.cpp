#include "qtwindowbuilder.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QTabBar>
#include <QVBoxLayout>
#include <algorithm>

#include "appicons.h"
#include "commandbutton.h"
#include "fontface.h"
#include "linecontrol.h"
#include "picturebox.h"
#include "qtdrivelist.h"
#include "qtfilelist.h"
#include "qtfolderlist.h"
#include "qtlistwidget.h"
#include "qttextbox.h"
#include "tabcontrol.h"
#include "widgets/textcolor.h"
#include "widgets/twips.h"
#include "widgets/widgeterror.h"

namespace kelvane::qt {

namespace {

// Qt lays out in device-independent pixels, which are pixels at 96 dots per inch.
constexpr int kDpi = 96;

int Px(int twips) {
    return TwipsToPixels(twips, kDpi);
}

QRect Pixels(const TwipsRect& place) {
    const PixelRect rect = TwipsToPixels(place, kDpi);
    return {rect.left, rect.top, rect.width, rect.height};
}

QString Text(const std::string& text) {
    return QString::fromStdString(text);
}

QIcon PictureIcon(Picture picture) {
    switch (picture) {
        case Picture::AppIcon:
            return AppIcon();
        case Picture::UpArrow:
            return UpArrowIcon();
        case Picture::DownArrow:
            return DownArrowIcon();
        case Picture::None:
            break;
    }
    return {};
}

QColor ToQColor(const Rgb& color) {
    return {color.red, color.green, color.blue};
}

Rgb ToRgb(const QColor& color) {
    return {color.red(), color.green(), color.blue()};
}

// A label in its described colour where that reads on the window's background, else in the
// scheme's text colour; chosen again whenever the palette changes.
class Label : public QLabel {
  public:
    Label(const ControlDesign& control, QWidget* parent)
        : QLabel(Text(control.Caption()), parent), color_(control.color) {
        setTextFormat(Qt::PlainText);
        setAlignment(Qt::AlignLeft | Qt::AlignTop);
        setWordWrap(control.wordWrap);
        Recolor();
    }

  protected:
    void changeEvent(QEvent* event) override {
        QLabel::changeEvent(event);
        if (event->type() == QEvent::PaletteChange) {
            Recolor();
        }
    }

  private:
    void Recolor() {
        const QColor drawn =
            ToQColor(TextColor(color_, ToRgb(palette().color(QPalette::Window)),
                               ToRgb(QApplication::palette(this).color(QPalette::WindowText))));
        if (color_ && palette().color(QPalette::WindowText) != drawn) {
            QPalette own = palette();
            own.setColor(QPalette::WindowText, drawn);
            setPalette(own);  // raises PaletteChange again, which finds the colour set
        }
    }

    std::optional<Rgb> color_;
};

// Where a control's children go, and how their places map into it.
struct Container {
    QWidget* widget = nullptr;
    TabControl* tabs = nullptr;  // for a page of a tab control
};

class Builder {
  public:
    Builder(QWidget& window, const FormDesign& design) : window_(window), design_(design) {}

    QtBuiltWindow Build() {
        auto* client = new QWidget(&window_);
        client->setObjectName("client");
        client->setFixedSize(Px(design_.width), Px(design_.height));
        auto* layout = new QVBoxLayout(&window_);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        layout->setSizeConstraint(QLayout::SetFixedSize);
        layout->addWidget(client);
        if (!design_.menus.empty()) {
            layout->setMenuBar(Menus());
        }
        containers_[""] = {client, nullptr};

        for (const ControlDesign& control : design_.controls) {
            QWidget* widget = Make(control, Parent(control).widget);
            widget->setObjectName(Text(control.name));
            Place(widget, control);
            built_.controls[control.name] = widget;
        }
        // The control described first is drawn on top.
        for (auto it = design_.controls.rbegin(); it != design_.controls.rend(); ++it) {
            built_.controls.at(it->name)->raise();
        }
        ChainTabOrder();
        return std::move(built_);
    }

  private:
    QMenuBar* Menus() {
        auto* bar = new QMenuBar(&window_);
        for (const MenuDesign& menuDesign : design_.menus) {
            QMenu* menu = bar->addMenu(Text(menuDesign.caption));
            menu->setObjectName(Text(menuDesign.name));
            built_.menuItems[menuDesign.name] = menu->menuAction();
            for (const MenuDesign& item : menuDesign.items) {
                QAction* action = item.caption == "-" ? menu->addSeparator()
                                                      : menu->addAction(Text(item.caption));
                action->setObjectName(Text(item.name));
                built_.menuItems[item.name] = action;
            }
        }
        return bar;
    }

    // The containers are described before the controls they hold (FormDesign::Check).
    Container Parent(const ControlDesign& control) {
        Container container = containers_.at(control.container);
        if (container.tabs != nullptr) {
            container.widget = container.tabs->Page(control.page);
        }
        return container;
    }

    void Place(QWidget* widget, const ControlDesign& control) {
        QRect place = Pixels(control.place);
        const Container container = Parent(control);
        if (container.tabs != nullptr) {
            place.moveTopLeft(container.tabs->PagePos(place.left(), place.top()));
        }
        if (control.kind == ControlKind::Line) {
            // A line's widget is the line itself, as thick as described.
            const int thickness = control.lineWidth;
            place.setHeight(place.height() == 0 ? thickness : place.height());
            place.setWidth(place.width() == 0 ? thickness : place.width());
        }
        widget->setGeometry(place);
    }

    QWidget* Make(const ControlDesign& control, QWidget* parent) {
        QWidget* widget = MakeOfKind(control, parent);
        if (!control.tooltip.empty()) {
            widget->setToolTip(Text(control.tooltip));
        }
        // What a screen reader says for a control that shows no caption of its own.
        if (const std::string name = design_.AccessibleName(control); !name.empty()) {
            widget->setAccessibleName(Text(name));
            if (qobject_cast<QComboBox*>(widget) != nullptr) {
                // On Linux Qt names a combo box by its chosen item, whatever name it is given:
                // screen readers find its name through the label it is the buddy of (Qt's
                // labelled-by relation), here one that is never shown.
                auto* label = new QLabel(Text(name), parent);
                label->setTextFormat(Qt::PlainText);
                label->hide();
                label->setBuddy(widget);
            }
        }
        if (!control.font.face.empty()) {
            widget->setFont(FontFace(control.font));
        }
        return widget;
    }

    QWidget* MakeOfKind(const ControlDesign& control, QWidget* parent) {
        switch (control.kind) {
            case ControlKind::Label:
                return new Label(control, parent);
            case ControlKind::TextBox: {
                auto* box = new QtTextBox(parent);
                box->SetMaxLength(control.maxLength);
                return box;
            }
            case ControlKind::Button:
                return Button(control, parent);
            case ControlKind::TabControl: {
                auto* tabs = new TabControl(Px(control.stripHeight), parent);
                tabs->resize(Pixels(control.place).size());
                for (const std::string& caption : control.captions) {
                    tabs->AddPage(Text(caption));
                }
                tabs->SetCurrentPage(0);
                containers_[control.name] = {nullptr, tabs};
                return tabs;
            }
            case ControlKind::Frame: {
                auto* frame = new QFrame(parent);
                frame->setFrameStyle(QFrame::Box | QFrame::Sunken);
                containers_[control.name] = {frame, nullptr};
                return frame;
            }
            case ControlKind::DriveList:
                return new QtDriveList(parent);
            case ControlKind::FolderList: {
                auto* folders = new QtFolderList(parent);
                folders->SetCoveredTop(design_.CoveredTop(control, kDpi));
                return folders;
            }
            case ControlKind::FileList:
                return new QtFileList(parent);
            case ControlKind::ListBox:
                return new QtListWidget(QtListWidget::Style::SingleSelection, parent);
            case ControlKind::CheckListBox:
                return new QtListWidget(QtListWidget::Style::CheckBox, parent);
            case ControlKind::PictureBox:
                return new PictureBox(PictureIcon(control.picture), TakesFocus(control), parent);
            case ControlKind::Line: {
                return new LineControl(ToQColor(control.color.value_or(Rgb{})), parent);
            }
        }
        throw WidgetError("unknown kind of control " + control.name);
    }

    QWidget* Button(const ControlDesign& control, QWidget* parent) {
        auto* button = new CommandButton(Text(control.Caption()), parent);
        if (control.picture != Picture::None) {
            const QRect place = Pixels(control.place);
            const int side = std::min(place.width(), place.height()) - 6;
            button->setIcon(PictureIcon(control.picture));
            button->setIconSize(QSize(side, side));
        }
        if (control.name == design_.defaultButton) {
            button->setDefault(true);
        }
        return button;
    }

    void ChainTabOrder() {
        for (const ControlDesign* control : design_.TabOrder()) {
            QWidget* widget = built_.controls.at(control->name);
            if (auto* tabs = qobject_cast<TabControl*>(widget)) {
                widget = tabs->TabBar();
            }
            built_.tabOrder.push_back(widget);
        }
        for (std::size_t i = 1; i < built_.tabOrder.size(); ++i) {
            QWidget::setTabOrder(built_.tabOrder[i - 1], built_.tabOrder[i]);
        }
    }

    QWidget& window_;
    const FormDesign& design_;
    QtBuiltWindow built_;
    std::map<std::string, Container> containers_;
};

}  // namespace

QtBuiltWindow QtWindowBuilder::Build(QWidget& window, const FormDesign& design) {
    return Builder(window, design).Build();
}

}  // namespace kelvane::qt
