// The real program where no window can be opened: one line on stderr naming
// the cause and a failure status, never the toolkit's abort.
#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>
#include <cstdlib>

namespace {

struct Outcome {
  QProcess::ExitStatus exitStatus = QProcess::CrashExit;
  int exitCode = -1;
  QString stdErr;
};

Outcome RunWithoutDisplay(const QStringList& args) {
  QProcess process;
  QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) env.remove(QString::fromLatin1(name));
  process.setProcessEnvironment(env);
  process.start(QString::fromLocal8Bit(std::getenv("KT_BIN_DIR")) + QStringLiteral("/kortalwind"), args);
  Outcome outcome;
  if (!process.waitForFinished(20000)) {
    process.kill();
    process.waitForFinished();
    return outcome;
  }
  outcome.exitStatus = process.exitStatus();
  outcome.exitCode = process.exitCode();
  outcome.stdErr = QString::fromLocal8Bit(process.readAllStandardError());
  return outcome;
}

TEST(StartWithoutDisplayTest, NoDisplayOrNoPlatformGivesOneLineAndFailureStatus) {
  if (std::getenv("KT_BIN_DIR") == nullptr) GTEST_SKIP() << "KT_BIN_DIR not set";
  const struct {
    QStringList args;
    const char* cause;
  } cases[] = {
      {{}, "display"},
      {{QStringLiteral("-platform"), QStringLiteral("no-such-platform")}, "no-such-platform"},
  };
  for (const auto& c : cases) {
    const Outcome outcome = RunWithoutDisplay(c.args);
    SCOPED_TRACE(c.args.join(QLatin1Char(' ')).toStdString());
    EXPECT_EQ(outcome.exitStatus, QProcess::NormalExit);
    EXPECT_EQ(outcome.exitCode, EXIT_FAILURE);
    const QStringList lines = outcome.stdErr.split(QLatin1Char('\n'), Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size(), 1) << outcome.stdErr.toStdString();
    EXPECT_TRUE(lines[0].startsWith(QStringLiteral("kortalwind: cannot open a window: "))) << lines[0].toStdString();
    EXPECT_TRUE(lines[0].contains(QString::fromLatin1(c.cause))) << lines[0].toStdString();
  }
}

}  // namespace
