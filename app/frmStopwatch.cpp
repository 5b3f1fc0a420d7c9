#include "frmStopwatch.h"

#include "controls.h"
#include "layout.h"
#include "runtime/dispatch.h"
#include "runtime/timer.h"
#include "shortcuts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>

#include <algorithm>
#include <vector>

using runtime::Single;

namespace {

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int pixels(int twips) {
    return twips / runtime::kTwipsPerPixel;
}

QColor toQColor(runtime::Color color) {
    return {static_cast<int>(color & 0xFFU), static_cast<int>((color >> 8U) & 0xFFU),
            static_cast<int>((color >> 16U) & 0xFFU)};
}

QFont windowFont() {
    QFont font;
    // The layout was drawn for MS Sans Serif; Liberation Sans and Arimo have
    // its widths, where the common default sans faces are too wide.
    font.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                      QStringLiteral("Arimo")});
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(layout::kWindowFontPoints);
    font.setWeight(QFont::Bold);
    return font;
}

QWidget* createWidget(const layout::Control& entry, QWidget* parent) {
    using layout::Kind;
    switch (entry.kind) {
    case Kind::TextBox:
        return new QLineEdit(parent);
    case Kind::DisplayBox: {
        // A display shows results; it cannot be typed into, and Tab passes
        // over it, but a click may select its text for copying.
        auto* box = new QLineEdit(parent);
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::ClickFocus);
        return box;
    }
    case Kind::CommandButton: {
        auto* button = new CommandButton(parent);
        button->setAutoDefault(false);
        button->setDefault(false);
        return button;
    }
    case Kind::CheckBox:
        return new QCheckBox(parent);
    case Kind::ComboBox: {
        auto* combo = new QComboBox(parent);
        combo->setEditable(true);
        combo->setInsertPolicy(QComboBox::NoInsert);
        combo->setCompleter(nullptr); // inline completion would turn "12" into "120"
        for (std::string_view minutes : layout::kMinutes) {
            combo->addItem(qs(minutes));
        }
        combo->setMaxVisibleItems(12);
        combo->setCurrentIndex(-1);
        combo->setEditText(QString());
        return combo;
    }
    case Kind::Label: {
        auto* label = new QLabel(parent);
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        label->setTextFormat(Qt::PlainText);
        label->setAttribute(Qt::WA_NoMousePropagation); // a click on a label is the label's
        return label;
    }
    case Kind::Line: {
        auto* line = new QFrame(parent);
        line->setFrameShape(QFrame::NoFrame);
        line->setAutoFillBackground(true);
        line->setBackgroundRole(QPalette::WindowText);
        return line;
    }
    case Kind::Timer:
        break;
    }
    return nullptr;
}

void applyCaption(QWidget* widget, const QString& caption) {
    if (auto* edit = qobject_cast<QLineEdit*>(widget)) {
        edit->setText(caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
        button->setText(caption);
    } else if (auto* label = qobject_cast<QLabel*>(widget)) {
        label->setText(caption);
    }
}

template <typename T> T* namedChild(const QObject* parent, std::string_view name) {
    auto* child = parent->findChild<T*>(qs(name));
    Q_ASSERT_X(child != nullptr, "frmStopwatch", "control missing from the layout");
    return child;
}

} // namespace

frmStopwatch::frmStopwatch(const runtime::Services& services) : services_(services) {
    setObjectName(QStringLiteral("frmStopwatch"));
    setAttribute(Qt::WA_DeleteOnClose); // a window lives until it is closed
    setWindowTitle(kIdleCaption);
    setFont(windowFont());
    createControls();
    wireEvents();
    installTimerShortcuts(*this);
    Form_Load();
}

frmStopwatch::~frmStopwatch() = default;

void frmStopwatch::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(pixels(layout::kClientWidth), pixels(layout::kClientHeight));
    setCentralWidget(client);

    std::vector<std::pair<int, QWidget*>> tabOrder;
    for (const layout::Control& entry : layout::kControls) {
        if (entry.kind == layout::Kind::Timer) {
            auto* timer = new runtime::Timer(this);
            timer->setObjectName(qs(entry.name));
            timer->setInterval(entry.interval);
            continue;
        }
        QWidget* widget = createWidget(entry, client);
        widget->setObjectName(qs(entry.name));
        if (entry.kind == layout::Kind::Line) {
            const int width = layout::kLineWidthPixels;
            widget->setGeometry(pixels(entry.left) - width / 2, pixels(entry.top), width,
                                pixels(entry.height - entry.top));
            continue;
        }
        widget->setGeometry(pixels(entry.left), pixels(entry.top), pixels(entry.width),
                            pixels(entry.height));
        if (entry.fontPoints > 0) {
            QFont font = this->font();
            font.setPointSizeF(entry.fontPoints);
            font.setWeight(entry.bold ? QFont::Bold : QFont::Normal);
            widget->setFont(font);
        }
        applyCaption(widget, qs(entry.caption));
        if (!entry.tooltip.empty()) {
            widget->setToolTip(qs(entry.tooltip));
        }
        if (!entry.accessibleName.empty()) {
            widget->setAccessibleName(qs(entry.accessibleName));
        }
        widget->setVisible(entry.visible);
        if (entry.tabIndex >= 0) {
            tabOrder.emplace_back(entry.tabIndex, widget);
        }
    }
    std::sort(tabOrder.begin(), tabOrder.end(),
              [](const auto& a, const auto& b) { return a.first < b.first; });
    for (std::size_t i = 1; i < tabOrder.size(); ++i) {
        QWidget::setTabOrder(tabOrder[i - 1].second, tabOrder[i].second);
    }

    Text1 = namedChild<QLineEdit>(client, "Text1");
    Text1->setMaxLength(layout::kTextLimit);
    cmdAnotherTimer = namedChild<QPushButton>(client, "cmdAnotherTimer");
    txtTime = namedChild<QLineEdit>(client, "txtTime");
    cmdSetYourClock = namedChild<QPushButton>(client, "cmdSetYourClock");
    chkCDCheck = namedChild<QCheckBox>(client, "chkCDCheck");
    cmdReset = namedChild<QPushButton>(client, "cmdReset");
    tmrCountdown = namedChild<runtime::Timer>(this, "tmrCountdown");
    cmbMinutes = namedChild<QComboBox>(client, "cmbMinutes");
    cmdCountdown = namedChild<QPushButton>(client, "cmdCountdown");
    txtCountdown = namedChild<QLineEdit>(client, "txtCountdown");
    txtSWTime1 = namedChild<QLineEdit>(client, "txtSWTime1");
    cmdSWPause = namedChild<QPushButton>(client, "cmdSWPause");
    tmrSWTimer = namedChild<runtime::Timer>(this, "tmrSWTimer");
    cmdSWButton = namedChild<QPushButton>(client, "cmdSWButton");
    txtSWTime = namedChild<QLineEdit>(client, "txtSWTime");
    Label3 = namedChild<QLabel>(client, "Label3");
    Line1 = namedChild<QFrame>(client, "Line1");
    Label2 = namedChild<QLabel>(client, "Label2");
    Label1 = namedChild<QLabel>(client, "Label1");
    lblTimeType = namedChild<QLabel>(client, "lblTimeType");

    // The menu bar is drawn in the window on every desktop, so that the
    // client area keeps its size below it.
    menuBar()->setNativeMenuBar(false);
    mnuHelp = menuBar()->addAction(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));

    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());
    cmdSWButton->setFocus(); // the lowest tab index that can take the focus
}

void frmStopwatch::wireEvents() {
    wireStopwatchEvents();
    wireWindowEvents();
    wireCountdownEvents();
    wireDialogEvents();
    // Focus and mouse events reach the handlers through eventFilter().
    chkCDCheck->installEventFilter(this);
    centralWidget()->installEventFilter(this);
}

bool frmStopwatch::eventFilter(QObject* watched, QEvent* event) {
    if (watched == chkCDCheck && event->type() == QEvent::FocusIn) {
        // Only a focus move inside the window counts. The window becoming
        // active again (after a message box, or when the user comes back from
        // another window) hands the focus back without moving it, and must not
        // wipe a result.
        const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
        if (reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason) {
            dispatch(&frmStopwatch::chkCDCheck_GotFocus, "chkCDCheck_GotFocus");
        }
    } else if (watched == centralWidget() && event->type() == QEvent::MouseButtonRelease) {
        // A release reaches the background only when the press did: a click
        // on no control. Labels keep their clicks to themselves.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            centralWidget()->rect().contains(mouse->position().toPoint())) {
            dispatch(&frmStopwatch::Form_Click, "Form_Click");
        }
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmStopwatch::dispatch(void (frmStopwatch::*handler)(), std::string_view name) {
    runtime::dispatchEvent(name, [this, handler] { (this->*handler)(); });
}

void frmStopwatch::Form_Load() {
    setTop(0);
    const double half = static_cast<double>(screenWidth()) / 2;
    setLeft(static_cast<Single>(half - static_cast<double>(Width()) / 2));
    state_.blnSWReady = true;
    state_.blnSWRunning = false;
    state_.blnSWResetDue = false;
    txtSWTime->setText(QStringLiteral("0.00"));
    txtSWTime1->setText(QStringLiteral("0.00"));
    state_.blnCDReady = true;
    state_.clearConvertedParts();
}

Single frmStopwatch::Top() const {
    return static_cast<Single>(pos().y() * runtime::kTwipsPerPixel);
}

void frmStopwatch::setTop(Single twips) {
    move(pos().x(), qRound(twips / runtime::kTwipsPerPixel));
}

Single frmStopwatch::Left() const {
    return static_cast<Single>(pos().x() * runtime::kTwipsPerPixel);
}

void frmStopwatch::setLeft(Single twips) {
    move(qRound(twips / runtime::kTwipsPerPixel), pos().y());
}

Single frmStopwatch::Width() const {
    return static_cast<Single>(frameGeometry().width() * runtime::kTwipsPerPixel);
}

Single frmStopwatch::screenWidth() const {
    const QScreen* where = screen();
    return where == nullptr
               ? 0.0F
               : static_cast<Single>(where->geometry().width() * runtime::kTwipsPerPixel);
}

void frmStopwatch::setBackColor(QWidget* box, runtime::Color color) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, toQColor(color));
    box->setPalette(palette);
}

void frmStopwatch::setForeColor(QWidget* box, runtime::Color color) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, toQColor(color));
    box->setPalette(palette);
}
