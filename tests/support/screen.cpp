// What the scripted tests look at on the X screen, in one small program:
// screenshots, picture comparisons and a process's windows. A wait polls
// several times a second, and each poll is one or two of these runs. Xlib
// and libpng alone, so that a run starts in a few milliseconds.
//
//   kt_screen shot FILE [WxH+X+Y [FILE WxH+X+Y]...]
//       the X screen, or parts of it seen at the same moment, as PNG
//   kt_screen differ A B [FUZZ%]    how many pixels differ, on stdout
//   kt_screen colours FILE          each colour in it, as #RRGGBB
//   kt_screen windows PID           the process's mapped windows, one a
//                                   line: WINDOW WIDTH TITLE (escaped)
//
// differ counts a pixel when one of its red, green and blue values differs
// by more than FUZZ percent of the full scale (0 % by default), and exits 0
// when none does, 1 when some do, and 2 when the pictures cannot be compared.
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <png.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int kBadUse = 2;

int Fail(const std::string& why) {
  std::fprintf(stderr, "kt_screen: %s\n", why.c_str());
  return kBadUse;
}

// 8-bit red, green and blue, row after row.
struct Picture {
  int width = 0, height = 0;
  std::vector<std::uint8_t> rgb;
  const std::uint8_t* At(int x, int y) const { return &rgb[(std::size_t(y) * width + x) * 3]; }
};

struct Area {
  int x = 0, y = 0, width = 0, height = 0;
};

// 1 to 5 digits at text[at]; moves past them.
bool ReadNumber(const std::string& text, std::size_t& at, int& value) {
  const std::size_t from = at;
  for (value = 0; at < text.size() && at - from < 5 && text[at] >= '0' && text[at] <= '9'; ++at) {
    value = value * 10 + (text[at] - '0');
  }
  return at > from;
}

// WxH+X+Y, as X geometry writes a part of the screen. Read by hand: the
// standard regular expressions took this program five seconds to compile.
bool ParseArea(const std::string& text, Area& area) {
  std::size_t at = 0;
  const auto number_then = [&](int& value, char next) {
    if (!ReadNumber(text, at, value)) return false;
    if (next == '\0') return at == text.size();
    return at < text.size() && text[at++] == next;
  };
  return number_then(area.width, 'x') && number_then(area.height, '+') && number_then(area.x, '+') &&
         number_then(area.y, '\0') && area.width > 0 && area.height > 0;
}

Area Overlap(const Area& a, const Area& b) {
  const int left = std::max(a.x, b.x), top = std::max(a.y, b.y);
  const int right = std::min(a.x + a.width, b.x + b.width), bottom = std::min(a.y + a.height, b.y + b.height);
  return right > left && bottom > top ? Area{left, top, right - left, bottom - top} : Area{};
}

Area Spanning(const Area& a, const Area& b) {
  if (a.width == 0) return b;
  const int left = std::min(a.x, b.x), top = std::min(a.y, b.y);
  return {left, top, std::max(a.x + a.width, b.x + b.width) - left, std::max(a.y + a.height, b.y + b.height) - top};
}

bool ReadPng(const std::string& file, Picture& picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  if (!png_image_begin_read_from_file(&image, file.c_str())) return false;
  image.format = PNG_FORMAT_RGB;
  picture.width = int(image.width);
  picture.height = int(image.height);
  picture.rgb.assign(PNG_IMAGE_SIZE(image), 0);  // any alpha is laid over black
  return png_image_finish_read(&image, nullptr, picture.rgb.data(), 0, nullptr) != 0;
}

bool WritePng(const std::string& file, const Picture& picture) {
  png_image image{};
  image.version = PNG_IMAGE_VERSION;
  image.width = png_uint_32(picture.width);
  image.height = png_uint_32(picture.height);
  image.format = PNG_FORMAT_RGB;
  // Most shots are read back at once, and speed counts more than size.
  image.flags = PNG_IMAGE_FLAG_FAST;
  return png_image_write_to_file(&image, file.c_str(), 0, picture.rgb.data(), 0, nullptr) != 0;
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
  std::uint8_t operator()(unsigned long pixel) const { return std::uint8_t(((pixel & mask) >> shift) * 255 / top); }
};

// The part of the grabbed pixels (part relative to them) as a picture.
Picture Cut(XImage& grabbed, const Area& part) {
  Picture picture{part.width, part.height, std::vector<std::uint8_t>(std::size_t(part.width) * part.height * 3)};
  const ChannelMask red(grabbed.red_mask), green(grabbed.green_mask), blue(grabbed.blue_mask);
  // Xvfb's 24-bit screens keep 0x00RRGGBB words: read them as they lie.
  const bool words = grabbed.bits_per_pixel == 32 && grabbed.byte_order == LSBFirst &&
                     grabbed.red_mask == 0xff0000 && grabbed.green_mask == 0xff00 && grabbed.blue_mask == 0xff;
  std::uint8_t* to = picture.rgb.data();
  for (int y = part.y; y < part.y + part.height; ++y) {
    const auto* row = reinterpret_cast<const std::uint32_t*>(grabbed.data + std::ptrdiff_t(y) * grabbed.bytes_per_line);
    for (int x = part.x; x < part.x + part.width; ++x) {
      const unsigned long pixel = words ? row[x] : XGetPixel(&grabbed, x, y);
      *to++ = red(pixel);
      *to++ = green(pixel);
      *to++ = blue(pixel);
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
  const Area screen{0, 0, root_attributes.width, root_attributes.height};
  std::vector<Area> areas;
  Area grab;
  for (const auto& [file, area_text] : parts) {
    Area area = screen;
    if (!area_text.empty() && !ParseArea(area_text, area)) return Fail("not WxH+X+Y: " + area_text);
    areas.push_back(Overlap(area, screen));
    if (areas.back().width == 0) return Fail("the area lies off the screen: " + area_text);
    grab = Spanning(grab, areas.back());
  }
  XImage* grabbed = XGetImage(display, root, grab.x, grab.y, unsigned(grab.width), unsigned(grab.height),
                              AllPlanes, ZPixmap);
  if (grabbed == nullptr) return Fail("cannot read the screen");
  int status = 0;
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const Area part{areas[i].x - grab.x, areas[i].y - grab.y, areas[i].width, areas[i].height};
    if (!WritePng(parts[i].first, Cut(*grabbed, part))) status = Fail("cannot write " + parts[i].first);
  }
  XDestroyImage(grabbed);
  XCloseDisplay(display);
  return status;
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
  Picture a, b;
  if (!ReadPng(a_file, a)) return Fail(std::string("cannot read ") + a_file);
  if (!ReadPng(b_file, b)) return Fail(std::string("cannot read ") + b_file);
  if (a.width != b.width || a.height != b.height)
    return Fail(std::string("the pictures' sizes differ: ") + a_file + ", " + b_file);
  long differing = 0;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      const std::uint8_t *p = a.At(x, y), *q = b.At(x, y);
      const int apart = std::max({std::abs(p[0] - q[0]), std::abs(p[1] - q[1]), std::abs(p[2] - q[2])});
      if (apart > most_alike) ++differing;
    }
  }
  std::printf("%ld\n", differing);
  return differing == 0 ? 0 : 1;
}

// Every colour in the picture once, as #RRGGBB, in order.
int Colours(const char* file) {
  Picture picture;
  if (!ReadPng(file, picture)) return Fail(std::string("cannot read ") + file);
  std::set<std::uint32_t> colours;
  for (std::size_t i = 0; i < picture.rgb.size(); i += 3)
    colours.insert(std::uint32_t(picture.rgb[i]) << 16 | std::uint32_t(picture.rgb[i + 1]) << 8 | picture.rgb[i + 2]);
  for (const std::uint32_t colour : colours) std::printf("#%06X\n", unsigned(colour));
  return 0;
}

// A window property of the given type, as bytes; empty when it is not set.
std::string Property(Display* display, Window window, Atom name, Atom type) {
  Atom actual_type = None;
  int format = 0;
  unsigned long items = 0, left = 0;
  unsigned char* data = nullptr;
  std::string value;
  if (XGetWindowProperty(display, window, name, 0, 1024, False, type, &actual_type, &format, &items, &left, &data) ==
          Success &&
      data != nullptr && actual_type == type) {
    const std::size_t item_size = format == 8 ? 1 : format == 16 ? sizeof(short) : sizeof(long);
    value.assign(reinterpret_cast<const char*>(data), items * item_size);
  }
  if (data != nullptr) XFree(data);
  return value;
}

// A title on one line: a backslash and the control characters as the
// shell's printf %b reads them back (\\ and \0NNN).
std::string Escaped(const std::string& title) {
  std::string line;
  for (const char c : title) {
    if (c == '\\') {
      line += "\\\\";
    } else if ((unsigned char)c < 0x20 || c == 0x7f) {
      char octal[8];
      std::snprintf(octal, sizeof octal, "\\0%03o", unsigned((unsigned char)c));
      line += octal;
    } else {
      line += c;
    }
  }
  return line;
}

// Every mapped window, at any depth, whose _NET_WM_PID is the process's,
// with its width and title (_NET_WM_NAME, else WM_NAME), as the window
// manager's protocol defines them.
struct WindowAtoms {
  Atom pid, name, utf8;
};
void ListWindows(Display* display, Window window, long pid, const WindowAtoms& atoms) {
  const std::string owner = Property(display, window, atoms.pid, XA_CARDINAL);
  XWindowAttributes attributes;
  if (owner.size() == sizeof(long) && *reinterpret_cast<const long*>(owner.data()) == pid &&
      XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable) {
    std::string title = Property(display, window, atoms.name, atoms.utf8);
    if (title.empty()) title = Property(display, window, XA_WM_NAME, XA_STRING);
    std::printf("%lu %d %s\n", window, attributes.width, Escaped(title).c_str());
  }
  Window root = 0, parent = 0, *children = nullptr;
  unsigned count = 0;
  if (!XQueryTree(display, window, &root, &parent, &children, &count)) return;
  for (unsigned i = 0; i < count; ++i) ListWindows(display, children[i], pid, atoms);
  if (children != nullptr) XFree(children);
}

// A window may go between the listing of its parent's children and the
// questions about it: that is no error here, it is simply not listed.
int IgnoreError(Display*, XErrorEvent*) { return 0; }

int Windows(const char* pid_text) {
  char* end = nullptr;
  const long pid = std::strtol(pid_text, &end, 10);
  if (end == pid_text || *end != '\0' || pid <= 0) return Fail(std::string("not a process id: ") + pid_text);
  Display* display = XOpenDisplay(nullptr);
  if (display == nullptr) return Fail("cannot open the display");
  XSetErrorHandler(IgnoreError);
  const WindowAtoms atoms{XInternAtom(display, "_NET_WM_PID", False), XInternAtom(display, "_NET_WM_NAME", False),
                          XInternAtom(display, "UTF8_STRING", False)};
  ListWindows(display, DefaultRootWindow(display), pid, atoms);
  XCloseDisplay(display);
  return 0;
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
  if (command == "windows" && argc == 3) return Windows(argv[2]);
  std::fprintf(stderr, "usage: kt_screen shot FILE [WxH+X+Y [FILE WxH+X+Y]...]\n"
                       "       kt_screen differ A B [FUZZ%%]\n"
                       "       kt_screen colours FILE\n"
                       "       kt_screen windows PID\n");
  return kBadUse;
}
