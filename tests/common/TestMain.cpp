// Entry point of every test binary: widgets are real, on Qt's offscreen platform.

#include "TestHome.h"
#include "platform/PictureReaderProcess.h"
#include "platform/Startup.h"

#include "platform/TessalyApplication.h"

#include <QDir>
#include <gtest/gtest.h>

int main(int argc, char** argv) {
    // Offscreen unless a test session runs the binary on a real server of its own.
    qputenv("QT_QPA_PLATFORM", qgetenv("TESSALY_TEST_PLATFORM").isEmpty()
                                   ? QByteArray("offscreen")
                                   : qgetenv("TESSALY_TEST_PLATFORM"));
    TestHome::Install();
    Startup::PrepareEnvironment();
    TessalyApplication app(argc, argv);
    Startup::PrepareApplication(app);
    PictureReaderProcess::UseProgram(QStringLiteral(TESSALY_PICTURE_READER));
    testing::InitGoogleTest(&argc, argv);
    const int result = RUN_ALL_TESTS();
    QDir(TestHome::Path()).removeRecursively();
    return result;
}
