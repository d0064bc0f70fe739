// Renders the compiled-in icons and toolbar bitmap to PNG files: the
// application icon into a hicolor tree for installation, and a scaled
// preview sheet of every image for looking at them while editing.

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/core/bitmap_resource.h"
#include "platform/core/icon_resource.h"
#include "platform/core/resource_pictures.h"
#include "platform/core/resource_registry.h"
#include "res/program_resources.h"
#include "res/resource.h"

namespace {

constexpr int kPreviewGap = 4;  // unscaled pixels between images on the sheet
const QColor kPreviewBackdrop(0xE0, 0xE0, 0xE0);

int Usage(const char* program) {
  std::fprintf(stderr,
               "Usage: %s --hicolor DIR --name NAME\n"
               "       %s --preview FILE.png [--scale N]\n"
               "Writes DIR/<size>x<size>/apps/NAME.png for the application icon, or a\n"
               "preview sheet of every icon and the toolbar bitmap scaled N times (default 8).\n",
               program, program);
  return 2;
}

QImage ToQImage(const PixelImage& image) {
  QImage out(image.width, image.height, QImage::Format_ARGB32);
  for (int y = 0; y < image.height; ++y) {
    for (int x = 0; x < image.width; ++x) {
      if (image.IsTransparent(x, y)) {
        out.setPixel(x, y, qRgba(0, 0, 0, 0));
      } else {
        const COLORREF c = image.ColourAt(x, y);
        out.setPixel(x, y, qRgb(GetRValue(c), GetGValue(c), GetBValue(c)));
      }
    }
  }
  return out;
}

bool Load(const DecodedImage& decoded, const char* what, QImage& out) {
  if (!decoded.image) {
    std::fprintf(stderr, "kortalwind-make-icons: %s: %s\n", what, decoded.error.c_str());
    return false;
  }
  out = ToQImage(*decoded.image);
  return true;
}

bool Save(const QImage& image, const std::string& path) {
  if (image.save(QString::fromStdString(path), "PNG")) return true;
  std::fprintf(stderr, "kortalwind-make-icons: cannot write %s\n", path.c_str());
  return false;
}

int WriteHicolor(const std::string& dir, const std::string& name) {
  for (int size : kIconSizes) {
    QImage image;
    if (!Load(LoadIconImage(IDR_MAINFRAME, size), "application icon", image)) return 1;
    const std::string sizeDir = dir + "/" + std::to_string(size) + "x" + std::to_string(size) + "/apps";
    std::error_code error;
    std::filesystem::create_directories(sizeDir, error);
    if (error) {
      std::fprintf(stderr, "kortalwind-make-icons: cannot make %s: %s\n", sizeDir.c_str(), error.message().c_str());
      return 1;
    }
    if (!Save(image, sizeDir + "/" + name + ".png")) return 1;
  }
  return 0;
}

int WritePreview(const std::string& path, int scale) {
  std::vector<QImage> images;
  for (unsigned id : {IDR_MAINFRAME, IDR_KORTALTYPE}) {
    for (int size : kIconSizes) {
      QImage image;
      if (!Load(LoadIconImage(id, size), ("icon " + std::to_string(id)).c_str(), image)) return 1;
      images.push_back(image);
    }
  }
  QImage strip;
  if (!Load(LoadBitmapResource(IDR_MAINFRAME), "toolbar bitmap", strip)) return 1;
  images.push_back(strip);

  int width = kPreviewGap, height = 0;
  for (const QImage& image : images) {
    width += image.width() + kPreviewGap;
    height = std::max(height, image.height());
  }
  QImage sheet(width * scale, (height + 2 * kPreviewGap) * scale, QImage::Format_ARGB32);
  sheet.fill(kPreviewBackdrop);
  QPainter painter(&sheet);
  int x = kPreviewGap;
  for (const QImage& image : images) {
    painter.drawImage(QPoint(x * scale, kPreviewGap * scale), image.scaled(image.size() * scale));
    x += image.width() + kPreviewGap;
  }
  painter.end();
  return Save(sheet, path) ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  AfxSetResourceTables(ProgramResources());
  std::string hicolor, name, preview;
  int scale = 8;
  for (int i = 1; i < argc; ++i) {
    const std::string arg = argv[i];
    const bool hasValue = i + 1 < argc;
    if (arg == "--hicolor" && hasValue) hicolor = argv[++i];
    else if (arg == "--name" && hasValue) name = argv[++i];
    else if (arg == "--preview" && hasValue) preview = argv[++i];
    else if (arg == "--scale" && hasValue) scale = std::atoi(argv[++i]);
    else return Usage(argv[0]);
  }
  if (scale < 1 || scale > 64) return Usage(argv[0]);
  if (!hicolor.empty() && !name.empty() && preview.empty()) return WriteHicolor(hicolor, name);
  if (!preview.empty() && hicolor.empty() && name.empty()) return WritePreview(preview, scale);
  return Usage(argv[0]);
}
