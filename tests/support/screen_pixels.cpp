// The scripted tests' screenshots and picture comparisons, in one small
// program: a wait polls the screen several times a second, and each poll
// is two of these runs.
//
//   kt_screen_pixels shot FILE [WxH+X+Y [FILE WxH+X+Y]...]
//       the X screen, or parts of it seen at the same moment, as PNG
//   kt_screen_pixels differ A B [FUZZ%]    how many pixels differ, on stdout
//   kt_screen_pixels colours FILE          each colour in it, as #RRGGBB
//
// differ counts a pixel when one of its red, green and blue values differs
// by more than FUZZ percent of the full scale (0 % by default), and exits 0
// when none does, 1 when some do, and 2 when the pictures cannot be compared.
// The toolkit's headers first: Xlib's macros (Status, Bool) would break them.
#include <QtCore/QRect>
#include <QtGui/QImage>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <regex>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kBadUse = 2;
// PNG's fastest compression: the files are read back at once or looked at
// by a person, and most shots are made only to be compared.
constexpr int kFastPngQuality = 80;

int Fail(const std::string& why) {
  std::fprintf(stderr, "kt_screen_pixels: %s\n", why.c_str());
  return kBadUse;
}

// WxH+X+Y, as X geometry writes a part of the screen.
bool ParseArea(const std::string& text, QRect& area) {
  std::smatch m;
  if (!std::regex_match(text, m, std::regex(R"((\d{1,5})x(\d{1,5})\+(\d{1,5})\+(\d{1,5}))"))) return false;
  area = QRect(std::stoi(m[3]), std::stoi(m[4]), std::stoi(m[1]), std::stoi(m[2]));
  return !area.isEmpty();
}

// Where a visual keeps one channel of a pixel, to scale it to 8 bits.
struct ChannelMask {
  unsigned long mask;
  int shift = 0;
  unsigned long top;
  explicit ChannelMask(unsigned long m) : mask(m) {
    while (mask != 0 && ((mask >> shift) & 1) == 0) ++shift;
    top = mask == 0 ? 1 : mask >> shift;
  }
  int operator()(unsigned long pixel) const { return int(((pixel & mask) >> shift) * 255 / top); }
};

// The grabbed pixels as the toolkit's. Where the server keeps them as
// 0x00RRGGBB words, as Xvfb's 24-bit screens do, the picture reads them in
// place: a copy of a whole screen costs more than the rest of a shot.
QImage ToPicture(XImage& grabbed) {
  if (grabbed.bits_per_pixel == 32 && grabbed.byte_order == LSBFirst && grabbed.red_mask == 0xff0000 &&
      grabbed.green_mask == 0xff00 && grabbed.blue_mask == 0xff)
    return QImage(reinterpret_cast<const uchar*>(grabbed.data), grabbed.width, grabbed.height,
                  grabbed.bytes_per_line, QImage::Format_RGB32);
  QImage picture(grabbed.width, grabbed.height, QImage::Format_RGB32);
  const ChannelMask red(grabbed.red_mask), green(grabbed.green_mask), blue(grabbed.blue_mask);
  for (int y = 0; y < grabbed.height; ++y) {
    auto* row = reinterpret_cast<QRgb*>(picture.scanLine(y));
    for (int x = 0; x < grabbed.width; ++x) {
      const unsigned long pixel = XGetPixel(&grabbed, x, y);
      row[x] = qRgb(red(pixel), green(pixel), blue(pixel));
    }
  }
  return picture;
}

// The screen's parts as pictures, from one grab: the parts show the same
// moment. Each part is cropped to the screen.
int Shot(const std::vector<std::pair<std::string, std::string>>& parts) {
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return Fail("cannot open the display");
  const Window root = DefaultRootWindow(display);
  XWindowAttributes root_attributes;
  XGetWindowAttributes(display, root, &root_attributes);
  const QRect screen(0, 0, root_attributes.width, root_attributes.height);
  std::vector<QRect> rects;
  QRect grab;
  for (const auto& [file, area_text] : parts) {
    QRect area = screen;
    if (!area_text.empty() && !ParseArea(area_text, area)) return Fail("not WxH+X+Y: " + area_text);
    rects.push_back(area & screen);
    if (rects.back().isEmpty()) return Fail("the area lies off the screen: " + area_text);
    grab |= rects.back();
  }
  XImage* grabbed = XGetImage(display, root, grab.x(), grab.y(), unsigned(grab.width()), unsigned(grab.height()),
                              AllPlanes, ZPixmap);
  if (grabbed == nullptr) return Fail("cannot read the screen");
  const QImage picture = ToPicture(*grabbed);
  int status = 0;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const QRect part = rects[i].translated(-grab.topLeft());
    const QImage shown = part == picture.rect() ? picture : picture.copy(part);
    if (!shown.save(parts[i].first.c_str(), "PNG", kFastPngQuality)) status = Fail("cannot write " + parts[i].first);
  }
  XDestroyImage(grabbed);
  XCloseDisplay(display);
  return status;
}

// Every colour in the picture once, as #RRGGBB, in order.
int Colours(const char* file) {
  const QImage picture = QImage(file).convertToFormat(QImage::Format_RGB32);
  if (picture.isNull()) return Fail(std::string("cannot read ") + file);
  std::set<QRgb> colours;
  for (int y = 0; y < picture.height(); ++y) {
    const auto* row = reinterpret_cast<const QRgb*>(picture.constScanLine(y));
    colours.insert(row, row + picture.width());
  }
  for (const QRgb colour : colours) std::printf("#%06X\n", colour & 0xffffffu);
  return 0;
}

int Differ(const char* a_file, const char* b_file, const char* fuzz_text) {
  double fuzz_percent = 0;
  if (fuzz_text != nullptr) {
    char* end = nullptr;
    fuzz_percent = std::strtod(fuzz_text, &end);
    if (end == fuzz_text || std::string(end) != "%" || fuzz_percent < 0)
      return Fail(std::string("not a percentage: ") + fuzz_text);
  }
  const int most_alike = int(fuzz_percent * 255 / 100);
  QImage a(a_file), b(b_file);
  if (a.isNull()) return Fail(std::string("cannot read ") + a_file);
  if (b.isNull()) return Fail(std::string("cannot read ") + b_file);
  if (a.size() != b.size()) return Fail(std::string("the pictures' sizes differ: ") + a_file + ", " + b_file);
  a = a.convertToFormat(QImage::Format_RGB32);
  b = b.convertToFormat(QImage::Format_RGB32);
  long differing = 0;
  for (int y = 0; y < a.height(); ++y) {
    const auto* row_a = reinterpret_cast<const QRgb*>(a.constScanLine(y));
    const auto* row_b = reinterpret_cast<const QRgb*>(b.constScanLine(y));
    for (int x = 0; x < a.width(); ++x) {
      const int apart = std::max({std::abs(qRed(row_a[x]) - qRed(row_b[x])),
                                  std::abs(qGreen(row_a[x]) - qGreen(row_b[x])),
                                  std::abs(qBlue(row_a[x]) - qBlue(row_b[x]))});
      if (apart > most_alike) ++differing;
    }
  }
  std::printf("%ld\n", differing);
  return differing == 0 ? 0 : 1;
}

}  // namespace

int main(int argc, char** argv) {
  const std::string command = argc > 1 ? argv[1] : "";
  if (command == "shot" && (argc == 3 || argc % 2 == 0)) {
    std::vector<std::pair<std::string, std::string>> parts;
    for (int i = 2; i < argc; i += 2) parts.emplace_back(argv[i], i + 1 < argc ? argv[i + 1] : "");
    return Shot(parts);
  }
  if (command == "differ" && (argc == 4 || argc == 5)) return Differ(argv[2], argv[3], argc == 5 ? argv[4] : nullptr);
  if (command == "colours" && argc == 3) return Colours(argv[2]);
  std::fprintf(stderr, "usage: kt_screen_pixels shot FILE [WxH+X+Y [FILE WxH+X+Y]...]\n"
                       "       kt_screen_pixels differ A B [FUZZ%%]\n"
                       "       kt_screen_pixels colours FILE\n");
  return kBadUse;
}
