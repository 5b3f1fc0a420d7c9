#include "frmStopwatch.h"

#include "accessibility.h"
#include "controls.h"
#include "core/dispatch.h"
#include "layout.h"
#include "persistence.h"
#include "platform/timer.h"
#include "shortcuts.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QFocusEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QWindow>

#include <algorithm>
#include <variant>
#include <vector>

using core::Single;

namespace {

// Visits a variant with one lambda per alternative.
template <typename... Visitors> struct Overloaded : Visitors... { using Visitors::operator()...; };
// Spelled out for compilers without deduction for aggregates (clang before 17).
template <typename... Visitors> Overloaded(Visitors...) -> Overloaded<Visitors...>;

QString qs(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

int pixels(int twips) {
    return twips / core::kTwipsPerPixel;
}

QColor toQColor(core::Color color) {
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
        auto* combo = new MinutesBox(parent);
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

frmStopwatch::frmStopwatch(const platform::Services& services)
    : services_(services), notifier_(services.makeNotifier()) {
    setObjectName(QStringLiteral("frmStopwatch"));
    setAttribute(Qt::WA_DeleteOnClose); // a window lives until it is closed
    setWindowTitle(qs(core::kIdleCaption));
    setFont(windowFont());
    createControls();
    wireEvents();
    installTimerShortcuts(*this);
    Form_Load();
    keepTimings();
}

frmStopwatch::~frmStopwatch() {
    stopKeepingTimings(); // the teardown of the controls is no change of the timing
}

void frmStopwatch::createControls() {
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(pixels(layout::kClientWidth), pixels(layout::kClientHeight));
    setCentralWidget(client);

    std::vector<std::pair<int, QWidget*>> tabOrder;
    const auto createTimer = [this](const layout::Timer& entry) {
        auto* timer = new platform::Timer(this);
        timer->setObjectName(qs(entry.name));
        timer->setInterval(entry.interval);
    };
    const auto createLine = [client](const layout::Line& entry) {
        auto* line = new QFrame(client);
        line->setObjectName(qs(entry.name));
        line->setFrameShape(QFrame::NoFrame);
        line->setAutoFillBackground(true);
        line->setBackgroundRole(QPalette::WindowText);
        line->setGeometry(pixels(entry.x) - entry.widthPixels / 2, pixels(entry.top),
                          entry.widthPixels, pixels(entry.bottom - entry.top));
    };
    const auto createControl = [this, client, &tabOrder](const layout::Control& entry) {
        QWidget* widget = createWidget(entry, client);
        widget->setObjectName(qs(entry.name));
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
    };
    for (const layout::Row& row : layout::kRows) {
        std::visit(Overloaded{createTimer, createLine, createControl}, row);
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
    tmrCountdown = namedChild<platform::Timer>(this, "tmrCountdown");
    cmbMinutes = namedChild<QComboBox>(client, "cmbMinutes");
    cmdCountdown = namedChild<QPushButton>(client, "cmdCountdown");
    txtCountdown = namedChild<QLineEdit>(client, "txtCountdown");
    txtSWTime1 = namedChild<QLineEdit>(client, "txtSWTime1");
    cmdSWPause = namedChild<QPushButton>(client, "cmdSWPause");
    tmrSWTimer = namedChild<platform::Timer>(this, "tmrSWTimer");
    cmdSWButton = namedChild<QPushButton>(client, "cmdSWButton");
    txtSWTime = namedChild<QLineEdit>(client, "txtSWTime");
    Label3 = namedChild<QLabel>(client, "Label3");
    Line1 = namedChild<QFrame>(client, "Line1");
    Label2 = namedChild<QLabel>(client, "Label2");
    Label1 = namedChild<QLabel>(client, "Label1");
    lblTimeType = namedChild<QLabel>(client, "lblTimeType");

    // Each label names the field below or beside it, for a screen reader.
    Label1->setBuddy(cmbMinutes);
    Label2->setBuddy(txtCountdown);
    Label3->setBuddy(Text1);
    lblTimeType->setBuddy(txtSWTime);
    cmbMinutes->lineEdit()->setAccessibleName(QStringLiteral("Countdown minutes, typed"));
    cmdSWButton->setAccessibleName(stopwatchButtonName(cmdSWButton->text()));

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
            dispatch(&frmStopwatch::chkCDCheck_GotFocus);
        }
    } else if (watched == centralWidget() && event->type() == QEvent::MouseButtonRelease) {
        // A release reaches the background only when the press did: a click
        // on no control. Labels keep their clicks to themselves.
        const auto* mouse = static_cast<QMouseEvent*>(event);
        if (mouse->button() == Qt::LeftButton &&
            centralWidget()->rect().contains(mouse->position().toPoint())) {
            dispatch(&frmStopwatch::Form_Click);
        }
    } else if (watched == windowHandle() && event->type() == QEvent::Expose) {
        // Taken off the screen or put back by the window system.
        unexposed_ = !windowHandle()->isExposed();
        updateTickHold();
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmStopwatch::changeEvent(QEvent* event) {
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow()) {
        // Back at the window: a notification of its finish has done its work.
        notifier_->withdraw();
    } else if (event->type() == QEvent::WindowStateChange) {
        updateTickHold(); // minimized, or restored
    }
}

void frmStopwatch::dispatch(Handler handler) {
    core::dispatchEvent(nameOf(handler), [this, handler] { (this->*handler)(); });
    if (handler != &frmStopwatch::tmrSWTimer_Timer) { // the 5 ms tick changes no timing
        recordTiming();
    }
}

void frmStopwatch::Form_Load() {
    setTop(0);
    const double half = static_cast<double>(screenWidth()) / 2;
    setLeft(static_cast<Single>(half - static_cast<double>(Width()) / 2));
    state_.blnSWReady = true;
    state_.blnSWRunning = false;
    state_.blnSWResetDue = false;
    view_.swTime = "0.00";
    view_.swTime1 = "0.00";
    showView();
    state_.blnCDReady = true;
    state_.clearConvertedParts();
}

namespace {

// Where the window's Left and Top count from: the top left corner of the
// primary screen, wherever the desktop puts it among several monitors.
QPoint screenOrigin() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary == nullptr ? QPoint() : primary->geometry().topLeft();
}

} // namespace

Single frmStopwatch::Top() const {
    return static_cast<Single>((pos().y() - screenOrigin().y()) * core::kTwipsPerPixel);
}

void frmStopwatch::setTop(Single twips) {
    move(pos().x(), screenOrigin().y() + qRound(twips / core::kTwipsPerPixel));
}

Single frmStopwatch::Left() const {
    return static_cast<Single>((pos().x() - screenOrigin().x()) * core::kTwipsPerPixel);
}

void frmStopwatch::setLeft(Single twips) {
    move(screenOrigin().x() + qRound(twips / core::kTwipsPerPixel), pos().y());
}

Single frmStopwatch::Width() const {
    return static_cast<Single>(frameGeometry().width() * core::kTwipsPerPixel);
}

Single frmStopwatch::screenWidth() const {
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary == nullptr
               ? 0.0F
               : static_cast<Single>(primary->geometry().width() * core::kTwipsPerPixel);
}

void frmStopwatch::setBackColor(QWidget* box, core::BoxColor color) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Base, color ? toQColor(*color)
                                           : box->style()->standardPalette().color(QPalette::Base));
    box->setPalette(palette);
}

void frmStopwatch::setForeColor(QWidget* box, core::BoxColor color) {
    QPalette palette = box->palette();
    palette.setColor(QPalette::Text, color ? toQColor(*color)
                                           : box->style()->standardPalette().color(QPalette::Text));
    box->setPalette(palette);
}

void frmStopwatch::readControls() {
    view_.swTime.read(txtSWTime->text().toStdString());
    view_.swTime1.read(txtSWTime1->text().toStdString());
    view_.minutes.read(cmbMinutes->currentText().toStdString());
    view_.validateTicked.read(chkCDCheck->checkState() != Qt::Unchecked);
}

void frmStopwatch::showView() {
    if (view_.swTimerEnabled.takeWritten()) {
        tmrSWTimer->setEnabled(*view_.swTimerEnabled);
    }
    if (view_.swTime.takeWritten()) {
        txtSWTime->setText(qs(*view_.swTime));
    }
    if (view_.swTime1.takeWritten()) {
        txtSWTime1->setText(qs(*view_.swTime1));
    }
    if (view_.swBackColor.takeWritten()) {
        setBackColor(txtSWTime, *view_.swBackColor);
        setBackColor(txtSWTime1, *view_.swBackColor);
    }
    if (view_.swButton.takeWritten()) {
        cmdSWButton->setText(qs(*view_.swButton));
        keepTimerShortcut(*cmdSWButton);
        cmdSWButton->setAccessibleName(stopwatchButtonName(cmdSWButton->text()));
    }
    if (view_.swPauseVisible.takeWritten()) {
        cmdSWPause->setVisible(*view_.swPauseVisible);
    }
    if (view_.swPause.takeWritten()) {
        cmdSWPause->setText(qs(*view_.swPause));
        keepTimerShortcut(*cmdSWPause);
    }
    if (view_.timeType.takeWritten()) {
        lblTimeType->setText(qs(*view_.timeType));
    }
    if (view_.cdForeColor.takeWritten()) {
        setForeColor(txtCountdown, *view_.cdForeColor);
    }
    if (view_.cdBackColor.takeWritten()) {
        setBackColor(txtCountdown, *view_.cdBackColor);
    }
    if (view_.cdTime.takeWritten()) {
        txtCountdown->setText(qs(*view_.cdTime));
    }
    if (view_.cdUnitVisible.takeWritten()) {
        Label2->setVisible(*view_.cdUnitVisible);
    }
    if (view_.minutes.takeWritten()) {
        cmbMinutes->setEditText(qs(*view_.minutes));
    }
    if (view_.cdTimerInterval.takeWritten()) {
        tmrCountdown->setInterval(*view_.cdTimerInterval);
    }
    if (view_.cdTimerEnabled.takeWritten()) {
        tmrCountdown->setEnabled(*view_.cdTimerEnabled);
    }
    if (view_.validateTicked.takeWritten()) {
        chkCDCheck->setChecked(*view_.validateTicked);
    }
    if (view_.validateEnabled.takeWritten()) {
        chkCDCheck->setEnabled(*view_.validateEnabled);
    }
    if (view_.caption.takeWritten()) {
        setWindowTitle(qs(*view_.caption));
    }
}
