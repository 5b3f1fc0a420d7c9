#include "frmStopwatch.h"

#include "accessibility.h"
#include "controls.h"
#include "core/dispatch.h"
#include "laps.h"
#include "layout.h"
#include "palette.h"
#include "persistence.h"
#include "platform/timer.h"
#include "platform/translation.h"
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
#include <QStyle>
#include <QWindow>

#include <algorithm>
#include <array>
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

// One of the window's texts, in the user's language.
QString localized(std::string_view english) {
    return platform::translated("frmStopwatch", english);
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

// A control's place from the layout table, mirrored about the client area's
// vertical centre line when the window reads from right to left.
QRect placed(const QWidget& client, const QRect& table) {
    return QStyle::visualRect(client.layoutDirection(), client.rect(), table);
}

// A box of digits or a time reads left to right in every language (".25" must
// not turn into "25."); in a right-to-left window it still aligns its text
// from the right, as the window's other boxes do.
void keepLeftToRight(QWidget& box, Qt::LayoutDirection window) {
    box.setLayoutDirection(Qt::LeftToRight);
    if (window == Qt::RightToLeft) {
        auto* combo = qobject_cast<QComboBox*>(&box);
        QLineEdit* edit = combo != nullptr ? combo->lineEdit() : qobject_cast<QLineEdit*>(&box);
        edit->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
}

template <typename T> T* namedChild(const QObject* parent, std::string_view name) {
    auto* child = parent->findChild<T*>(qs(name));
    Q_ASSERT_X(child != nullptr, "frmStopwatch", "control missing from the layout");
    return child;
}

} // namespace

frmStopwatch::frmStopwatch(const platform::Services& services)
    : services_(services),
      timer_(services.clock, {.show = [this] { showView(); },
                              .message =
                                  [this](const core::Message& message) {
                                      return services_.dialogs.messageBox(this, message);
                                  },
                              .finished = [this] { countdownFinished(); },
                              .withdrawNotice = [this] { withdrawNotice(); },
                              .pressStopwatch = [this] { cmdSWButton_Click(); }}),
      notifier_(services.makeNotifier()) {
    setObjectName(QStringLiteral("frmStopwatch"));
    setAttribute(Qt::WA_DeleteOnClose); // a window lives until it is closed
    setWindowTitle(qs(core::kIdleCaption));
    setFont(windowFont());
    createControls();
    wireEvents();
    installTimerShortcuts(*this);
    wireLaps();
    Form_Load();
    keepTimings();
}

frmStopwatch::~frmStopwatch() {
    stopKeepingTimings(); // the teardown of the controls is no change of the timing
    delete lapsWindow_;   // before the laps it shows, which go with timer_
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
        line->setGeometry(
            placed(*client, {pixels(entry.x) - entry.widthPixels / 2, pixels(entry.top),
                             entry.widthPixels, pixels(entry.bottom - entry.top)}));
    };
    const auto createControl = [this, client, &tabOrder](const layout::Control& entry) {
        QWidget* widget = createWidget(entry, client);
        widget->setObjectName(qs(entry.name));
        widget->setGeometry(placed(*client, {pixels(entry.left), pixels(entry.top),
                                             pixels(entry.width), pixels(entry.height)}));
        if (entry.leftToRight) {
            keepLeftToRight(*widget, client->layoutDirection());
        }
        if (entry.fontPoints > 0) {
            QFont font = this->font();
            font.setPointSizeF(entry.fontPoints);
            font.setWeight(entry.bold ? QFont::Bold : QFont::Normal);
            widget->setFont(font);
        }
        if (!entry.caption.empty()) {
            // a box's text, a button's caption
            widget->setProperty("text", localized(entry.caption));
        }
        if (!entry.tooltip.empty()) {
            widget->setToolTip(localized(entry.tooltip));
        }
        if (!entry.accessibleName.empty()) {
            widget->setAccessibleName(localized(entry.accessibleName));
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
    Label2 = namedChild<QLabel>(client, "Label2");
    lblTimeType = namedChild<QLabel>(client, "lblTimeType");

    // Each label names the field below or beside it, for a screen reader.
    namedChild<QLabel>(client, "Label1")->setBuddy(cmbMinutes);
    Label2->setBuddy(txtCountdown);
    namedChild<QLabel>(client, "Label3")->setBuddy(Text1);
    lblTimeType->setBuddy(txtSWTime);
    cmbMinutes->lineEdit()->setAccessibleName(
        localized(QT_TRANSLATE_NOOP("frmStopwatch", "Countdown minutes, typed")));
    cmdSWButton->setAccessibleName(stopwatchButtonName(*timer_.view.swButton));

    // The menu bar is drawn in the window on every desktop, so that the
    // client area keeps its size below it.
    menuBar()->setNativeMenuBar(false);
    mnuHelp = menuBar()->addAction(localized(QT_TRANSLATE_NOOP("frmStopwatch", "&Help")));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));

    setFixedSize(client->width(), client->height() + menuBar()->sizeHint().height());
    cmdSWButton->setFocus(); // the lowest tab index that can take the focus
}

void frmStopwatch::wireEvents() {
    wireStopwatchEvents();
    wireWindowEvents();
    wireCountdownEvents();
    wireClockBoxEvents();
    wireClosingEvents();
    // While the window cannot be seen the stopwatch's display is not kept current.
    holdTicksWhileUnseen();
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
    }
    return QMainWindow::eventFilter(watched, event);
}

std::span<const frmStopwatch::NamedHandler> frmStopwatch::handlers() {
    static constexpr std::array<NamedHandler, 12> table{{
        {"Form_Click", &frmStopwatch::Form_Click},
        {"cmdSWButton_Click", &frmStopwatch::cmdSWButton_Click},
        {"cmdSWPause_Click", &frmStopwatch::cmdSWPause_Click},
        {"tmrSWTimer_Timer", &frmStopwatch::tmrSWTimer_Timer},
        {"chkCDCheck_GotFocus", &frmStopwatch::chkCDCheck_GotFocus},
        {"cmdCountdown_Click", &frmStopwatch::cmdCountdown_Click},
        {"tmrCountdown_Timer", &frmStopwatch::tmrCountdown_Timer},
        {"cmdReset_Click", &frmStopwatch::cmdReset_Click},
        {"cmdSetYourClock_Click", &frmStopwatch::cmdSetYourClock_Click},
        {"cmdAnotherTimer_Click", &frmStopwatch::cmdAnotherTimer_Click},
        {"mnuHelp_Click", &frmStopwatch::mnuHelp_Click},
        {"Reset", &frmStopwatch::Reset},
    }};
    return table;
}

std::string_view frmStopwatch::nameOf(Handler handler) {
    const auto table = handlers();
    const auto found = std::find_if(table.begin(), table.end(), [handler](const NamedHandler& e) {
        return e.handler == handler;
    });
    return found == table.end() ? "handler" : found->name;
}

void frmStopwatch::dispatch(Handler handler, std::string_view name) {
    core::dispatchEvent(name, [this, handler] { (this->*handler)(); });
    if (handler != &frmStopwatch::tmrSWTimer_Timer) { // the 5 ms tick changes no timing
        recordTiming();
    }
}

void frmStopwatch::Form_Load() {
    setTop(0);
    const double half = static_cast<double>(screenWidth()) / 2;
    setLeft(static_cast<Single>(half - static_cast<double>(Width()) / 2));
    timer_.state.blnSWReady = true;
    timer_.state.blnSWRunning = false;
    timer_.state.blnSWResetDue = false;
    timer_.view.swTime = "0.00";
    timer_.view.swTime1 = "0.00";
    showView();
    timer_.state.blnCDReady = true;
    timer_.state.clearConvertedParts();
}

QRect frmStopwatch::primaryGeometry() {
    const QScreen* primary = QGuiApplication::primaryScreen();
    return primary == nullptr ? QRect() : primary->geometry();
}

void frmStopwatch::setColor(QWidget* box, QPalette::ColorRole role, core::BoxColor color) {
    setBoxColor(*box, role, color ? std::optional(toQColor(*color)) : std::nullopt);
}

void frmStopwatch::readControls() {
    timer_.view.swTime.read(txtSWTime->text().toStdString());
    timer_.view.swTime1.read(txtSWTime1->text().toStdString());
    timer_.view.minutes.read(cmbMinutes->currentText().toStdString());
    timer_.view.validateTicked.read(chkCDCheck->checkState() != Qt::Unchecked);
}

void frmStopwatch::showView() {
    // Each field the models wrote goes to its control.
    const auto put = [](auto& field, const auto& write) {
        if (field.takeWritten()) {
            write(*field);
        }
    };
    core::WindowView& v = timer_.view;
    put(v.swTimerEnabled, [this](bool on) { tmrSWTimer->setEnabled(on); });
    put(v.swTime, [this](const auto& text) { txtSWTime->setText(qs(text)); });
    put(v.swTime1, [this](const auto& text) { txtSWTime1->setText(qs(text)); });
    put(v.swBackColor, [this](core::BoxColor color) {
        setColor(txtSWTime, QPalette::Base, color);
        setColor(txtSWTime1, QPalette::Base, color);
    });
    put(v.swButton, [this](const auto& text) {
        cmdSWButton->setText(localized(text));
        keepTimerShortcut(*cmdSWButton);
        // Named from the view's English caption, not read back from the button.
        cmdSWButton->setAccessibleName(stopwatchButtonName(text));
    });
    put(v.swPauseVisible, [this](bool on) { cmdSWPause->setVisible(on); });
    put(v.swPause, [this](const auto& text) {
        cmdSWPause->setText(localized(text));
        keepTimerShortcut(*cmdSWPause);
    });
    put(v.timeType, [this](const auto& text) { lblTimeType->setText(localized(text)); });
    put(v.cdForeColor, [this](auto color) { setColor(txtCountdown, QPalette::Text, color); });
    put(v.cdBackColor, [this](auto color) { setColor(txtCountdown, QPalette::Base, color); });
    // "START" and "DONE" are words; the times left pass through as they are.
    put(v.cdTime, [this](const auto& text) { txtCountdown->setText(localized(text)); });
    put(v.cdUnitVisible, [this](bool on) { Label2->setVisible(on); });
    put(v.minutes, [this](const auto& text) { cmbMinutes->setEditText(qs(text)); });
    put(v.cdTimerInterval, [this](int ms) { tmrCountdown->setInterval(ms); });
    put(v.cdTimerEnabled, [this](bool on) { tmrCountdown->setEnabled(on); });
    put(v.validateTicked, [this](bool on) { chkCDCheck->setChecked(on); });
    put(v.validateEnabled, [this](bool on) { chkCDCheck->setEnabled(on); });
    put(v.caption, [this](const auto& /*text*/) { showTitle(); });
    if (lapsWindow_ != nullptr) {
        lapsWindow_->follow();
    }
}
