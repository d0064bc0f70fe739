#pragma once
// Encodes pictures into a video file with FFmpeg's libraries: convert, send to
// the encoder, write every packet it has ready; at the end drain the encoder,
// write the trailer and only then rename the file into place. With
// tools/libav.h, the only files that know FFmpeg.

#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>

class InterruptWatch;

enum class VideoFormat {
  h264Mp4,  // 4:2:0, the index at the front so that it streams
  vp9Webm,  // 4:2:0
  ffv1Mkv,  // RGB, lossless
};

struct VideoSettings {
  VideoFormat format = VideoFormat::h264Mp4;
  int width = 0;
  int height = 0;
  int fps = 25;
};

// Whatever the libraries or the file refused, in one line that names the file.
class VideoError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class VideoRecorder {
 public:
  // Sets up the encoder and the container on a temporary file beside target,
  // which interrupt removes on a signal.
  VideoRecorder(const std::string& target, const VideoSettings& settings, InterruptWatch& interrupt);
  // Without Finish, closes everything and removes the temporary file.
  ~VideoRecorder();
  VideoRecorder(const VideoRecorder&) = delete;
  VideoRecorder& operator=(const VideoRecorder&) = delete;

  // The next frame: 32-bit words 0xffRRGGBB in the processor's byte order,
  // rows bytesPerLine apart, of the size given at the start.
  void Add(const unsigned char* pixels, int bytesPerLine);
  // Drains the encoder, completes the file and renames it over the target.
  void Finish();

 private:
  struct Contexts;
  void Send(bool last);
  // Throws VideoError naming the target, what failed and, for error < 0,
  // the library's reason.
  [[noreturn]] void Fail(const std::string& what, int error) const;
  // Throws VideoError with the temporary file's problem.
  [[noreturn]] void FailOnFile() const;

  std::string target_;
  std::unique_ptr<Contexts> av_;
  std::int64_t nextPts_ = 0;
};
