// The desktop knows Horolux by one application id. The running program, its
// desktop entry, its metainfo and its icons must all carry the same one, or
// the desktop shows a generic icon and no name on Horolux's windows.
#include "application.h"
#include "core/identity.h"

#include <QApplication>
#include <QColor>
#include <QFile>
#include <QImage>
#include <QMap>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QString kDataDir = QStringLiteral(HOROLUX_DATA_DIR);
const QString kIconDir = QStringLiteral(HOROLUX_ICON_DIR);

QString readText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return {};
    }
    return QString::fromUtf8(file.readAll());
}

// The keys of the [Desktop Entry] group.
QMap<QString, QString> desktopEntry(const QString& path) {
    QMap<QString, QString> keys;
    bool inEntry = false;
    const QStringList lines = readText(path).split(QLatin1Char('\n'));
    for (const QString& line : lines) {
        if (line.startsWith(QLatin1Char('['))) {
            inEntry = line == QStringLiteral("[Desktop Entry]");
        } else if (inEntry && line.contains(QLatin1Char('='))) {
            const qsizetype eq = line.indexOf(QLatin1Char('='));
            keys.insert(line.left(eq).trimmed(), line.mid(eq + 1).trimmed());
        }
    }
    return keys;
}

struct Metainfo {
    QString id;
    QString launchable;
    QString binary;
    QString firstRelease;
};

Metainfo metainfo(const QString& path) {
    Metainfo info;
    QXmlStreamReader xml(readText(path));
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) {
            continue;
        }
        const auto name = xml.name();
        if (name == QLatin1String("id")) {
            info.id = xml.readElementText();
        } else if (name == QLatin1String("launchable") &&
                   xml.attributes().value(QLatin1String("type")) == QLatin1String("desktop-id")) {
            info.launchable = xml.readElementText();
        } else if (name == QLatin1String("binary")) {
            info.binary = xml.readElementText();
        } else if (name == QLatin1String("release") && info.firstRelease.isEmpty()) {
            info.firstRelease = xml.attributes().value(QLatin1String("version")).toString();
        }
    }
    return info;
}

QSet<QRgb> colours(const QImage& image) {
    QSet<QRgb> found;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            found.insert(image.pixel(x, y));
        }
    }
    return found;
}

} // namespace

class TestIdentity : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { configureApplication(); }

    void desktopEntryIsNamedAfterTheId() {
        const QString id = QGuiApplication::desktopFileName();
        QVERIFY2(id.count(QLatin1Char('.')) >= 2, qPrintable(id));
        const QString path = kDataDir + QLatin1Char('/') + id + QStringLiteral(".desktop");
        QVERIFY2(QFile::exists(path), qPrintable(path));
        const auto entry = desktopEntry(path);
        QCOMPARE(entry.value(QStringLiteral("Icon")), id);
        QCOMPARE(entry.value(QStringLiteral("Exec")).section(QLatin1Char(' '), 0, 0),
                 QStringLiteral(HOROLUX_PROGRAM));
        // On X11 the desktop finds the entry through the window's WM_CLASS,
        // whose class part Qt takes from the application name.
        QCOMPARE(entry.value(QStringLiteral("StartupWMClass")), QApplication::applicationName());
    }

    void metainfoIsNamedAfterTheId() {
        const QString id = QGuiApplication::desktopFileName();
        const QString path = kDataDir + QLatin1Char('/') + id + QStringLiteral(".metainfo.xml");
        QVERIFY2(QFile::exists(path), qPrintable(path));
        const Metainfo info = metainfo(path);
        QCOMPARE(info.id, id);
        QCOMPARE(info.launchable, id + QStringLiteral(".desktop"));
        QCOMPARE(info.binary, QStringLiteral(HOROLUX_PROGRAM));
    }

    // A new version needs its release entry, newest first.
    void newestReleaseIsThisVersion() {
        const QString path = kDataDir + QLatin1Char('/') + QGuiApplication::desktopFileName() +
                             QStringLiteral(".metainfo.xml");
        QCOMPARE(metainfo(path).firstRelease, QString::fromLatin1(core::kAppVersion));
    }

    void iconIsTheWindowArtwork_data() {
        QTest::addColumn<int>("size");
        const QStringList sizes = QStringLiteral(HOROLUX_ICON_SIZES).split(QLatin1Char(','));
        for (const QString& size : sizes) {
            QTest::newRow(qPrintable(size)) << size.toInt();
        }
    }

    // Each size shows the window's own 16- or 32-pixel artwork, enlarged by
    // a whole factor without smoothing: no colours that the artwork lacks, and
    // reduced again it is the artwork pixel for pixel.
    void iconIsTheWindowArtwork() {
        QFETCH(int, size);
        const QString dir = QStringLiteral("%1/%2x%2/apps/").arg(kIconDir).arg(size);
        const QImage icon(dir + QGuiApplication::desktopFileName() + QStringLiteral(".png"));
        QVERIFY2(!icon.isNull(), qPrintable(dir));
        QCOMPARE(icon.size(), QSize(size, size));
        const QImage rgba = icon.convertToFormat(QImage::Format_ARGB32);

        bool matched = false;
        for (const char* name : {":/icons/horolux-16.xpm", ":/icons/horolux-32.xpm"}) {
            const QImage artwork =
                QImage(QString::fromLatin1(name)).convertToFormat(QImage::Format_ARGB32);
            QVERIFY(!artwork.isNull());
            if (size % artwork.width() != 0) {
                continue;
            }
            const QImage reduced =
                rgba.scaled(artwork.size(), Qt::IgnoreAspectRatio, Qt::FastTransformation);
            if (reduced == artwork && colours(artwork).contains(colours(rgba))) {
                matched = true;
            }
        }
        QVERIFY2(matched, "the icon is not an unsmoothed enlargement of the window's artwork");
    }
};

QTEST_MAIN(TestIdentity)
#include "test_identity.moc"
