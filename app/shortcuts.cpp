#include "shortcuts.h"

#include <QAbstractButton>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QPointer>
#include <QShortcutEvent>
#include <QWidget>

#include <algorithm>
#include <array>
#include <vector>

namespace {

struct Binding {
    const char* button; // object name
    Qt::Key key;
    const char* tip; // the tooltip, before the key's name
};

// Function keys, because no control of the window types or edits with them
// (the combo box opens its list with F4) and desktops leave F5 to F8 to the
// program in front. F1 (help), F10 (menu bar), F11 (full screen) and F12 are
// often taken. Ctrl with a letter would clash with the text boxes' editing keys.
constexpr std::array<Binding, 4> kBindings{{
    {"cmdSWButton", Qt::Key_F5, QT_TRANSLATE_NOOP("frmStopwatch", "Start, stop, H:MM:SS, reset")},
    {"cmdSWPause", Qt::Key_F6,
     QT_TRANSLATE_NOOP("frmStopwatch", "Capture the running time as a lap; F9 shows the laps")},
    {"cmdCountdown", Qt::Key_F7, QT_TRANSLATE_NOOP("frmStopwatch", "Start the countdown")},
    {"cmdReset", Qt::Key_F8, QT_TRANSLATE_NOOP("frmStopwatch", "Stop the countdown")},
}};

// Each key is the button's own shortcut, so that accessibility tools report
// it as the key of the button's press action, and Qt decides when it applies:
// only in the active window, not while a message box blocks it or the combo
// box's list is open, and only while the button is visible and enabled.
// What the key then does is this class's: Qt's default for a button shortcut
// is an animated click, whose press lands 100 ms late and leaves the focus
// where it was. A stopwatch must read its clock at the key press.
class TimerShortcuts final : public QObject {
public:
    explicit TimerShortcuts(QWidget& window) : QObject(&window) {}

    void add(QAbstractButton& button, const QKeySequence& key) {
        keys_.push_back({&button, key});
        button.setShortcut(key);
        button.installEventFilter(this);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        switch (event->type()) {
        case QEvent::Shortcut: {
            const auto* shortcut = static_cast<QShortcutEvent*>(event);
            for (const Key& k : keys_) {
                if (k.button == watched && shortcut->key() == k.key && !shortcut->isAmbiguous()) {
                    press(*k.button);
                    return true;
                }
            }
            break;
        }
        case QEvent::ShortcutOverride: {
            // A key the focused control does not want, on its way to the
            // shortcuts.
            auto* key = static_cast<QKeyEvent*>(event);
            if (ours(*key) && isRepeat(*key)) {
                // A held key presses its button once, as a held mouse button
                // or space bar does.
                key->accept();
                return true;
            }
            break;
        }
        case QEvent::KeyRelease: {
            const auto* key = static_cast<QKeyEvent*>(event);
            if (ours(*key)) {
                lastRelease_ = {key->key(), key->timestamp()};
            }
            break;
        }
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    struct Key {
        QPointer<QAbstractButton> button;
        QKeySequence key;
    };

    [[nodiscard]] bool ours(const QKeyEvent& key) const {
        const QKeySequence pressed(key.keyCombination());
        return std::any_of(keys_.begin(), keys_.end(),
                           [&pressed](const Key& k) { return k.key == pressed; });
    }

    // A key held down repeats as a release and a press at the same instant.
    // Qt marks the pair as a repeat only when it finds the press already
    // waiting behind the release, which a busy moment can hide from it.
    // Events made up without a time (0) are never repeats by their time.
    [[nodiscard]] bool isRepeat(const QKeyEvent& press) const {
        return press.isAutoRepeat() || (press.timestamp() != 0 && press.key() == lastRelease_.key &&
                                        press.timestamp() == lastRelease_.time);
    }

    // As a click with the mouse: the focus moves to the button, then the
    // button is clicked and its handler runs.
    static void press(QAbstractButton& button) {
        if ((button.focusPolicy() & Qt::ClickFocus) != 0) {
            button.setFocus(Qt::ShortcutFocusReason);
        }
        button.click();
    }

    std::vector<Key> keys_;
    struct {
        int key = 0;
        quint64 time = 0;
    } lastRelease_;
};

} // namespace

void keepTimerShortcut(QAbstractButton& button) {
    for (const Binding& binding : kBindings) {
        if (button.objectName() == QLatin1String(binding.button)) {
            button.setShortcut(QKeySequence(binding.key));
        }
    }
}

void installTimerShortcuts(QWidget& window) {
    auto* shortcuts = new TimerShortcuts(window);
    window.installEventFilter(shortcuts); // sees the keys the controls pass on
    for (const Binding& binding : kBindings) {
        auto* button = window.findChild<QAbstractButton*>(QLatin1String(binding.button));
        if (button == nullptr) {
            continue;
        }
        const QKeySequence key(binding.key);
        button->setToolTip(
            QStringLiteral("%1 (%2)").arg(QCoreApplication::translate("frmStopwatch", binding.tip),
                                          key.toString(QKeySequence::NativeText)));
        shortcuts->add(*button, key);
    }
}
