#pragma once
// The real message boxes (platform::QtDialogs) as a user meets them: each box
// that opens is shown to the next step of a script, which looks at it and
// answers it, perhaps only after doing something else while it is open.
#include "platform/dialogs.h"
#include "support/probe.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <deque>
#include <functional>

// What a user sees of a box.
struct SeenBox {
    QPointer<QWidget> owner;
    Qt::WindowModality modality = Qt::NonModal;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QStringList buttons;
    QString defaultButton;
    QString escapeButton;
};

inline SeenBox seeBox(QMessageBox& box) {
    SeenBox seen;
    seen.owner = box.parentWidget();
    seen.modality = box.windowModality();
    seen.title = box.windowTitle();
    seen.text = box.text();
    seen.icon = box.icon();
    for (QAbstractButton* button : box.buttons()) {
        seen.buttons << button->text().remove(QLatin1Char('&'));
    }
    seen.buttons.sort();
    if (box.defaultButton() != nullptr) {
        seen.defaultButton = box.defaultButton()->text().remove(QLatin1Char('&'));
    }
    if (box.escapeButton() != nullptr) {
        seen.escapeButton = box.escapeButton()->text().remove(QLatin1Char('&'));
    }
    return seen;
}

class BoxScript {
public:
    using Step = std::function<void(QMessageBox&)>;

    BoxScript() {
        QObject::connect(&poll_, &QTimer::timeout, [this] { look(); });
        poll_.start(10);
    }

    // The next box that opens goes to `step`. A step runs while its box is
    // open, and may open further boxes, which go to the steps after it.
    void then(Step step) { steps_.push_back(std::move(step)); }
    // Records the box and presses Enter on it: its default button.
    void pressEnter(SeenBox* into = nullptr) {
        then([into](QMessageBox& box) {
            if (into != nullptr) {
                *into = seeBox(box);
            }
            QTest::keyClick(&box, Qt::Key_Return);
        });
    }
    // Records the box and clicks the button with this caption.
    void click(const QString& caption, SeenBox* into = nullptr) {
        then([caption, into](QMessageBox& box) {
            if (into != nullptr) {
                *into = seeBox(box);
            }
            for (QAbstractButton* button : box.buttons()) {
                if (button->text().remove(QLatin1Char('&')) == caption) {
                    button->click();
                    return;
                }
            }
            QFAIL(qPrintable(QStringLiteral("no button ") + caption));
        });
    }

    [[nodiscard]] std::size_t pending() const { return steps_.size(); }
    [[nodiscard]] int opened() const { return opened_; }
    [[nodiscard]] int unexpected() const { return unexpected_; }

private:
    void look() {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || !box->isVisible()) {
            return;
        }
        seen_.removeAll(nullptr);
        if (seen_.contains(box)) {
            return;
        }
        seen_.append(box);
        if (steps_.empty()) { // a box nobody expected: closed, and counted
            ++unexpected_;
            box->reject();
            return;
        }
        ++opened_;
        // The step runs from the event loop rather than from this poll: Qt
        // does not fire a timer again while its own slot runs, and a step may
        // wait in a further box that the poll must find.
        QTimer::singleShot(0, box, [box, step = std::move(steps_.front())] { step(*box); });
        steps_.pop_front();
    }

    QTimer poll_;
    std::deque<Step> steps_;
    QList<QPointer<QMessageBox>> seen_; // the boxes already given to a step
    int opened_ = 0;
    int unexpected_ = 0;
};

// A window on the screen with the real message boxes, and the script that
// answers them. A window that closes is deleted by Qt; one still open, here.
struct RealBoxWindow {
    TestServices t;
    platform::QtDialogs dialogs;
    QPointer<frmStopwatch> w =
        new frmStopwatch(platform::Services{t.clock, dialogs, t.clockSetter});
    frmStopwatchProbe p{*w};
    BoxScript script;

    RealBoxWindow() {
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }
    RealBoxWindow(const RealBoxWindow&) = delete;
    RealBoxWindow& operator=(const RealBoxWindow&) = delete;
    ~RealBoxWindow() { delete w.data(); }
};
