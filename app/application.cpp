#include "application.h"

#include "accessibility.h"
#include "core/identity.h"

#include <QApplication>
#include <QGuiApplication>
#include <QIcon>
#include <QStyle>
#include <QStyleFactory>

void configureDisplayConnection() {
    // Read by Qt's X11 platform when it connects to the display.
    qputenv("QT_XCB_NO_MITSHM", "1");
}

void configureApplication() {
    QApplication::setApplicationName(QString::fromLatin1(core::kAppName));
    // The application id: names the desktop entry, the icon and the metainfo
    // file, so that the desktop shows Horolux's name and icon on its windows.
    QGuiApplication::setDesktopFileName(QString::fromLatin1(core::kAppId));
    QStyle* fusion = QStyleFactory::create(QStringLiteral("Fusion"));
    if (fusion != nullptr) {
        QApplication::setStyle(fusion); // the application takes ownership
        QApplication::setPalette(fusion->standardPalette());
    }
    QIcon icon;
    icon.addFile(QStringLiteral(":/icons/horolux-16.xpm"), QSize(16, 16));
    icon.addFile(QStringLiteral(":/icons/horolux-32.xpm"), QSize(32, 32));
    QApplication::setWindowIcon(icon);
    installAccessibility();
}
