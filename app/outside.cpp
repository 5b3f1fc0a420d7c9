#include "outside.h"

#include "core/windowrecord.h"
#include "frmStopwatch.h"
#include "platform/translation.h"

#include <QApplication>
#include <QMenu>

#include <utility>

namespace {

// The timer windows on the screen (minimized ones too), in the order they opened.
QList<frmStopwatch*> openWindows() {
    QList<frmStopwatch*> windows;
    for (QWidget* top : QApplication::topLevelWidgets()) {
        auto* window = qobject_cast<frmStopwatch*>(top);
        if (window != nullptr && window->isVisible()) {
            windows.append(window);
        }
    }
    return windows;
}

QString say(const char* english) {
    return platform::translated("Tray", std::string_view(english));
}

} // namespace

Outside::Outside(platform::TimingJournal& journal, const core::Clock& clock,
                 std::unique_ptr<platform::Tray> tray,
                 std::unique_ptr<platform::LauncherEntry> launcher)
    : journal_(journal), clock_(clock), tray_(std::move(tray)), launcher_(std::move(launcher)) {
    next_.setSingleShot(true);
    connect(&next_, &QTimer::timeout, this, [this] { look(); });
    journal_.onChange([this] {
        look();
        // The menu once the handler that changed a record is over and the
        // window's title and visibility are settled; only while the tray shows
        // something, so that a start with nothing running makes no menu.
        if (running_ && !std::exchange(menuDue_, true)) {
            QTimer::singleShot(0, this, [this] { fillMenu(); });
        }
    });
}

Outside::~Outside() {
    journal_.onChange(nullptr); // windows closed after this one is gone change nothing here
}

std::unique_ptr<platform::Tray> Outside::makeTray() {
    return std::make_unique<platform::QtTray>(QPixmap(QStringLiteral(":/icons/horolux-32.xpm")),
                                              [] {
                                                  for (frmStopwatch* window : openWindows()) {
                                                      window->bringToFront();
                                                  }
                                              });
}

void Outside::look() {
    const core::RestoreClock now{journal_.bootId(), clock_.steadySeconds(),
                                 core::utcMs(clock_.now())};
    const core::Glance g =
        core::glance(journal_.records(), now, [](const char* context, const char* english) {
            return platform::translated(context, std::string_view(english));
        });
    running_ = g.running > 0;
    if (running_) {
        tray_->show(g.lines.join(QLatin1Char('\n')), g.countdowns > 0 ? g.progress : -1.0);
        next_.start(g.nextLookMs);
    } else {
        tray_->hide();
        next_.stop();
    }
    const platform::LauncherValues values{g.progress, g.countdowns > 0, g.countdowns,
                                          g.countdowns > 0};
    if (values != told_) {
        told_ = values;
        launcher_->update(values);
    }
}

void Outside::fillMenu() {
    menuDue_ = false;
    const QList<frmStopwatch*> windows = openWindows();
    QStringList names;
    for (int i = 0; i < windows.size(); ++i) {
        const QString id = windows[i]->identification().trimmed();
        names << (id.isEmpty() ? say(QT_TRANSLATE_NOOP("Tray", "Window %1")).arg(i + 1) : id);
    }
    if (names == listed_) {
        return;
    }
    listed_ = names;
    // One submenu a window, for what can be done to it from here.
    QMenu& menu = tray_->menu();
    menu.clear();
    for (QMenu* old : menu.findChildren<QMenu*>(QString(), Qt::FindDirectChildrenOnly)) {
        old->deleteLater();
    }
    for (int i = 0; i < windows.size(); ++i) {
        QMenu* entry = menu.addMenu(names[i]);
        entry->addAction(say(QT_TRANSLATE_NOOP("Tray", "Show")), windows[i],
                         &frmStopwatch::bringToFront);
        entry->addAction(say(QT_TRANSLATE_NOOP("Tray", "Laps")), windows[i],
                         &frmStopwatch::showLaps);
    }
}
