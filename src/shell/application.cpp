#include "shell/application.h"

#include "shell/app_context.h"
#include "shell/picture.h"
#include "shell/system_platform.h"
#include "start_screen/start_screen.h"

#include <QApplication>
#include <QIcon>
#include <QTimer>

namespace pictolex {

int runGame(QApplication& app) {
    QApplication::setApplicationName(QStringLiteral("pictolex"));
    QApplication::setApplicationDisplayName(QStringLiteral("Pictolex"));
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/icons/pictolex.ico")));

    SystemPlatform system(QCoreApplication::applicationDirPath());
    system.random.reseedFromTime();
    AppContext context(system.platform(), [] { QCoreApplication::quit(); });
    frmS().Show();
    // Sound is got ready once the start screen is up, well before its first word.
    QTimer::singleShot(300, &frmS(), [&system] { system.audio.prepare(); });
    return app.exec();
}

} // namespace pictolex
