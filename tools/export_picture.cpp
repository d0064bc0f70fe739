#include "tools/export_picture.h"

#include <QGuiApplication>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <sys/stat.h>
#include <unistd.h>

#include "platform/draw/image_surface.h"

PictureSize RequiredPictureSize(const ExportArgs& args) {
  const PictureSize size = args.RequiredSize("--size", kMaxPictureSide);
  if (size.width < 1 || size.height < 1) {
    throw UsageError("--size must be at least 1x1 for a picture");
  }
  return size;
}

double PictureScale(const ExportArgs& args) { return args.Ratio(kScaleOption, kMinScale, kMaxScale, kMinScale); }

void EnsureGuiApplication() {
  if (QGuiApplication::instance()) return;
  // The toolkit's chatter about a desktop session it does not need would
  // bury the one line an error gets; only its real failures get through.
  qInstallMessageHandler([](QtMsgType type, const QMessageLogContext&, const QString& text) {
    if (type == QtCriticalMsg || type == QtFatalMsg) std::fprintf(stderr, "%s\n", qPrintable(text));
  });
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "kortalwind-export";
  static char* argv[] = {name, nullptr};
  // Destroyed at exit, which also lets the font library free its caches.
  static std::unique_ptr<QGuiApplication> app = std::make_unique<QGuiApplication>(argc, argv);
}

std::string PngTemporaryPath(const std::string& path) { return path + ".tmp-" + std::to_string(::getpid()); }

void WritePng(const ImageSurface& picture, const std::string& path) {
  // The rename below would replace whatever the name holds; only a regular
  // file may be replaced, never a device, a FIFO or a folder.
  struct stat existing {};
  if (::lstat(path.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
    throw UsageError("cannot write " + Quoted(path) + ": not a regular file");
  }
  const std::string temporary = PngTemporaryPath(path);
  std::string why;
  if (!picture.SavePng(temporary, &why)) {
    std::remove(temporary.c_str());
    throw UsageError("cannot write " + Quoted(path) + ": " + why);
  }
  if (std::rename(temporary.c_str(), path.c_str()) != 0) {
    why = std::strerror(errno);
    std::remove(temporary.c_str());
    throw UsageError("cannot write " + Quoted(path) + ": " + why);
  }
}
