#include "x_session.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QImage>
#include <QSet>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <unistd.h>

using namespace pictolex::e2e;

namespace {

struct Run {
    int exitCode = -1;
    QString output;
};

Run run(const QString& program, const QStringList& args) {
    QProcess process;
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, args);
    if (!process.waitForFinished(60000)) {
        process.kill();
        process.waitForFinished();
        return {};
    }
    const int code = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    return {code, QString::fromUtf8(process.readAll())};
}

QString dpkgField(const QString& field) {
    return run(QStringLiteral("dpkg-query"),
               {QStringLiteral("-W"), QStringLiteral("-f=${") + field + QLatin1Char('}'),
                QStringLiteral("pictolex")})
        .output;
}

// "a (>= 1), b | c, d" gives {a, b, c, d}.
QSet<QString> packageNames(const QString& depends) {
    QSet<QString> names;
    static const QRegularExpression separators(QStringLiteral("[,|]"));
    for (const QString& item : depends.split(separators, Qt::SkipEmptyParts))
        names.insert(
            item.trimmed().section(QLatin1Char(' '), 0, 0).section(QLatin1Char(':'), 0, 0));
    return names;
}

QByteArray contentsOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// How many different colours the rectangle of the image holds, up to a limit.
int colourCount(const QImage& image, QRect rect, int limit) {
    QSet<QRgb> colours;
    rect &= image.rect();
    for (int y = rect.top(); y <= rect.bottom(); ++y)
        for (int x = rect.left(); x <= rect.right() && colours.size() < limit; ++x)
            colours.insert(image.pixel(x, y));
    return int(colours.size());
}

} // namespace

class PackageInstalled : public QObject {
    Q_OBJECT
private Q_SLOTS:
    void initTestCase();
    void sameFilesAsThePackage_data();
    void sameFilesAsThePackage();
    void layout_data();
    void layout();
    void sounds_data();
    void sounds();
    void icons_data();
    void icons();
    void desktopEntry_data();
    void desktopEntry();
    void desktopAndMetainfoValidate_data();
    void desktopAndMetainfoValidate();
    void depends_data();
    void depends();
    void startsWithTheStartScreenAndCloses();
};

void PackageInstalled::initTestCase() {
    if (geteuid() != 0 &&
        run(QStringLiteral("sudo"), {QStringLiteral("-n"), QStringLiteral("true")}).exitCode != 0)
        QSKIP("installing a package needs root or password-less sudo");
    QCOMPARE(dpkgField(QStringLiteral("Status")), QStringLiteral("install ok installed"));
    QVERIFY2(QFileInfo(QStringLiteral(PICTOLEX_PACKAGE_CONTENTS)).isDir(),
             "the unpacked package is missing");
}

// Every file in the freshly built package is on the system, byte for byte: apt installed
// this build, not some other copy of the package.
void PackageInstalled::sameFilesAsThePackage_data() {
    QTest::addColumn<QString>("path");
    const QDir contents(QStringLiteral(PICTOLEX_PACKAGE_CONTENTS));
    QDirIterator it(contents.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
    int files = 0;
    while (it.hasNext()) {
        const QString path = QLatin1Char('/') + contents.relativeFilePath(it.next());
        QTest::newRow(qPrintable(path)) << path;
        ++files;
    }
    QVERIFY2(files > 40, qPrintable(QStringLiteral("only %1 files in the package").arg(files)));
}

void PackageInstalled::sameFilesAsThePackage() {
    QFETCH(QString, path);
    const QByteArray packaged = contentsOf(QStringLiteral(PICTOLEX_PACKAGE_CONTENTS) + path);
    QVERIFY(!packaged.isEmpty());
    QVERIFY2(contentsOf(path) == packaged, qPrintable(path + " differs from the package"));
}

void PackageInstalled::layout_data() {
    QTest::addColumn<QString>("path");
    QTest::addColumn<bool>("executable");
    const QString apps = QStringLiteral("/usr/share/icons/hicolor/%1/apps/pictolex.png");
    QTest::newRow("program") << QStringLiteral("/usr/bin/pictolex") << true;
    QTest::newRow("menu entry") << QStringLiteral("/usr/share/applications/pictolex.desktop")
                                << false;
    QTest::newRow("icon 16") << apps.arg(QStringLiteral("16x16")) << false;
    QTest::newRow("icon 32") << apps.arg(QStringLiteral("32x32")) << false;
    QTest::newRow("metainfo") << QStringLiteral(
                                     "/usr/share/metainfo/io.github.pictolex.Pictolex.metainfo.xml")
                              << false;
    QTest::newRow("fanfare") << QStringLiteral("/usr/share/pictolex/good.wav") << false;
    QTest::newRow("copyright") << QStringLiteral("/usr/share/doc/pictolex/copyright") << false;
}

void PackageInstalled::layout() {
    QFETCH(QString, path);
    QFETCH(bool, executable);
    const QFileInfo info(path);
    QVERIFY2(info.isFile() && info.size() > 0, qPrintable(path + " is missing or empty"));
    QCOMPARE(info.isExecutable(), executable);
}

// The game looks for its sounds in ../share/pictolex beside its program.
void PackageInstalled::sounds_data() {
    QTest::addColumn<QString>("name");
    const QDir source(QStringLiteral(PICTOLEX_SOUNDS_SOURCE));
    const QStringList names = source.entryList({QStringLiteral("*.wav")}, QDir::Files);
    QVERIFY(names.size() >= 37);
    for (const QString& name : names)
        QTest::newRow(qPrintable(name)) << name;
}

void PackageInstalled::sounds() {
    QFETCH(QString, name);
    const QByteArray source = contentsOf(QStringLiteral(PICTOLEX_SOUNDS_SOURCE "/") + name);
    QVERIFY(contentsOf(QStringLiteral("/usr/share/pictolex/") + name) == source);
}

void PackageInstalled::icons_data() {
    QTest::addColumn<int>("size");
    QTest::newRow("16") << 16;
    QTest::newRow("32") << 32;
}

void PackageInstalled::icons() {
    QFETCH(int, size);
    const QImage icon(QStringLiteral("/usr/share/icons/hicolor/%1x%1/apps/pictolex.png").arg(size));
    QCOMPARE(icon.size(), QSize(size, size));
}

void PackageInstalled::desktopEntry_data() {
    QTest::addColumn<QString>("line");
    QTest::newRow("Type") << QStringLiteral("Type=Application");
    QTest::newRow("Name") << QStringLiteral("Name=Pictolex");
    QTest::newRow("Categories") << QStringLiteral("Categories=Education;Game;KidsGame;");
    QTest::newRow("Icon") << QStringLiteral("Icon=pictolex");
    QTest::newRow("Exec") << QStringLiteral("Exec=pictolex");
}

void PackageInstalled::desktopEntry() {
    QFETCH(QString, line);
    const QStringList lines =
        QString::fromUtf8(contentsOf(QStringLiteral("/usr/share/applications/pictolex.desktop")))
            .split(QLatin1Char('\n'));
    QVERIFY2(lines.contains(line), qPrintable(line));
}

void PackageInstalled::desktopAndMetainfoValidate_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QStringList>("args");
    QTest::newRow("desktop-file-validate")
        << QStringLiteral("desktop-file-validate")
        << QStringList{QStringLiteral("/usr/share/applications/pictolex.desktop")};
    QTest::newRow("appstreamcli")
        << QStringLiteral("appstreamcli")
        << QStringList{
               QStringLiteral("validate"), QStringLiteral("--no-net"),
               QStringLiteral("/usr/share/metainfo/io.github.pictolex.Pictolex.metainfo.xml")};
}

void PackageInstalled::desktopAndMetainfoValidate() {
    QFETCH(QString, program);
    QFETCH(QStringList, args);
    const Run result = run(program, args);
    QVERIFY2(result.exitCode == 0, qPrintable(result.output));
}

// What the program loads at run time without linking it, and what dpkg-shlibdeps finds.
void PackageInstalled::depends_data() {
    QTest::addColumn<QString>("package");
    for (const char* name : {"libqt6core6", "libqt6gui6", "libqt6widgets6", "libqt6multimedia6",
                             "qt6-qpa-plugins", "fonts-liberation2", "fonts-dejavu-core",
                             "fonts-dancingscript", "fonts-ipafont-gothic", "fonts-mplus"})
        QTest::newRow(name) << QString::fromLatin1(name);
}

void PackageInstalled::depends() {
    QFETCH(QString, package);
    const QString depends = dpkgField(QStringLiteral("Depends"));
    QVERIFY2(packageNames(depends).contains(package), qPrintable(depends));
}

void PackageInstalled::startsWithTheStartScreenAndCloses() {
    if (!haveTestDisplay())
        QSKIP("needs the X display that test.sh starts");
    QVERIFY(x::visibleWindows(QStringLiteral("Pictolex")).isEmpty());

    QTemporaryDir data;
    QProcess game;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("DISPLAY"), QString::fromLocal8Bit(qgetenv("PICTOLEX_E2E_DISPLAY")));
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), data.path());
    game.setProcessEnvironment(env);
    game.setProcessChannelMode(QProcess::ForwardedChannels);
    game.start(QStringLiteral("/usr/bin/pictolex"), QStringList());
    QVERIFY(game.waitForStarted());
    const auto kill = qScopeGuard([&game] {
        if (game.state() != QProcess::NotRunning) {
            game.kill();
            game.waitForFinished();
        }
    });

    qulonglong window = 0;
    QRect client;
    const QDeadlineTimer deadline(20000);
    while (!window && !deadline.hasExpired() && game.state() == QProcess::Running) {
        for (const qulonglong candidate : x::visibleWindows(QStringLiteral("Pictolex"))) {
            client = x::geometry(candidate);
            if (client.size() == QSize(511, 355))
                window = candidate;
        }
        if (!window)
            QThread::msleep(50);
    }
    QVERIFY2(window, "the start screen never appeared");

    // The window is drawn: its title, pictures and controls give it many colours.
    QTRY_VERIFY_WITH_TIMEOUT(colourCount(x::screenshot(), client, 64) >= 16, 5000);

    x::run({QStringLiteral("windowactivate"), QStringLiteral("--sync"), QString::number(window)});
    x::key(QStringLiteral("alt+F4"));
    QVERIFY2(game.waitForFinished(5000), "the program did not end after its window closed");
    QCOMPARE(game.exitStatus(), QProcess::NormalExit);
    QCOMPARE(game.exitCode(), 0);
}

int main(int argc, char* argv[]) {
    useTestDisplay();
    QApplication app(argc, argv);
    PackageInstalled test;
    return QTest::qExec(&test, argc, argv);
}

#include "package_installed.moc"
