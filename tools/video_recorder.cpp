#include "tools/video_recorder.h"

#include <cctype>
#include <cstdarg>
#include <utility>
#include <mutex>

#include "platform/core/replacing_file.h"
#include "tools/export_args.h"
#include "tools/interrupt_watch.h"
#include "tools/libav.h"

namespace {

// How each format is made. The encoder settings are measured choices: see the
// Recording section of doc/performance.md for the figures behind them.
struct Encoding {
  const char* muxer;
  const char* encoder;
  AVPixelFormat pixels;
  const char* encoderOptions;  // "name=value:name=value"
  const char* muxerOptions;
};

Encoding EncodingOf(VideoFormat format) {
  switch (format) {
    case VideoFormat::h264Mp4:
      return {"mp4", "libx264", AV_PIX_FMT_YUV420P, "preset=ultrafast:coder=1:crf=18", "movflags=+faststart"};
    case VideoFormat::vp9Webm:
      return {"webm", "libvpx-vp9", AV_PIX_FMT_YUV420P,
              "b=0:crf=23:deadline=realtime:cpu-used=6:row-mt=1:tile-columns=2", ""};
    case VideoFormat::ffv1Mkv:
      break;
  }
  return {"matroska", "ffv1", AV_PIX_FMT_0RGB32, "level=3:slices=4:slicecrc=1", ""};
}

// The libraries log to stderr unless told otherwise; their last error is kept
// instead, to explain the failed call in the one line the user gets.
std::mutex logMutex;
std::string lastLibraryError;

void KeepLibraryErrors(void* context, int level, const char* format, va_list args) {
  if (level > AV_LOG_ERROR) return;
  char line[256];
  int printPrefix = 0;  // no "[libx264 @ 0x...]"
  Libav().av_log_format_line2(context, level, format, args, line, sizeof line, &printPrefix);
  std::string text(line);
  while (!text.empty() && (text.back() == '\n' || text.back() == ' ')) text.pop_back();
  const std::lock_guard lock(logMutex);
  lastLibraryError = text;
}

// "The disk is full." as the end of our own line: "...: the disk is full".
std::string AsClause(std::string sentence) {
  if (!sentence.empty()) {
    sentence.front() = static_cast<char>(std::tolower(static_cast<unsigned char>(sentence.front())));
  }
  if (sentence.ends_with('.')) sentence.pop_back();
  return sentence;
}

std::string TakeLibraryError() {
  const std::lock_guard lock(logMutex);
  return std::exchange(lastLibraryError, {});
}

struct DictionaryFreer {
  void operator()(AVDictionary* dictionary) const { Libav().av_dict_free(&dictionary); }
};

// Options as a dictionary the library takes; what it leaves in it was not known.
std::unique_ptr<AVDictionary, DictionaryFreer> Options(const char* text) {
  AVDictionary* options = nullptr;
  Libav().av_dict_parse_string(&options, text, "=", ":", 0);
  return std::unique_ptr<AVDictionary, DictionaryFreer>(options);
}

}  // namespace

// Declared in the order they are set up; freed in the reverse, the file last.
struct VideoRecorder::Contexts {
  struct FormatCloser {
    void operator()(AVFormatContext* format) const {
      if (format->pb) Libav().avio_closep(&format->pb);
      Libav().avformat_free_context(format);
    }
  };
  struct CodecFreer {
    void operator()(AVCodecContext* codec) const { Libav().avcodec_free_context(&codec); }
  };
  struct ScalerFreer {
    void operator()(SwsContext* scaler) const { Libav().sws_freeContext(scaler); }
  };
  struct FrameFreer {
    void operator()(AVFrame* frame) const { Libav().av_frame_free(&frame); }
  };
  struct PacketFreer {
    void operator()(AVPacket* packet) const { Libav().av_packet_free(&packet); }
  };

  ReplacingFile file;
  std::unique_ptr<AVFormatContext, FormatCloser> format;
  std::unique_ptr<AVCodecContext, CodecFreer> codec;
  AVStream* stream = nullptr;  // belongs to format
  std::unique_ptr<AVFrame, FrameFreer> frame;
  std::unique_ptr<AVPacket, PacketFreer> packet;
  std::unique_ptr<SwsContext, ScalerFreer> scaler;
};

VideoRecorder::VideoRecorder(const std::string& target, const VideoSettings& settings, InterruptWatch& interrupt)
    : target_(target), av_(std::make_unique<Contexts>()) {
  if (const std::string& problem = LoadLibav(); !problem.empty()) Fail(problem, 0);
  Libav().av_log_set_callback(KeepLibraryErrors);
  TakeLibraryError();
  const Encoding encoding = EncodingOf(settings.format);
  const AVCodec* encoder = Libav().avcodec_find_encoder_by_name(encoding.encoder);
  if (!encoder) Fail(std::string("this system's libavcodec has no ") + encoding.encoder + " encoder", 0);
  {
    const InterruptWatch::Held held;  // no signal between making the file and noting it
    if (!av_->file.Open(target)) FailOnFile();
    interrupt.RemoveFileOnSignal(av_->file.TemporaryPath());
  }

  AVFormatContext* format = nullptr;
  if (const int error = Libav().avformat_alloc_output_context2(&format, nullptr, encoding.muxer, nullptr); error < 0) {
    Fail("no container", error);
  }
  av_->format.reset(format);

  av_->codec.reset(Libav().avcodec_alloc_context3(encoder));
  AVCodecContext* codec = av_->codec.get();
  if (!codec) Fail("no encoder", AVERROR(ENOMEM));
  codec->width = settings.width;
  codec->height = settings.height;
  codec->pix_fmt = encoding.pixels;
  codec->time_base = AVRational{1, settings.fps};
  codec->framerate = AVRational{settings.fps, 1};
  codec->thread_count = 0;  // as many as the encoder finds useful on this machine
  if (encoding.pixels == AV_PIX_FMT_YUV420P) {
    // Players take high-definition video for BT.709; say so for every size.
    codec->colorspace = AVCOL_SPC_BT709;
    codec->color_primaries = AVCOL_PRI_BT709;
    codec->color_trc = AVCOL_TRC_BT709;
    codec->color_range = AVCOL_RANGE_MPEG;
  }
  if (format->oformat->flags & AVFMT_GLOBALHEADER) codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  auto encoderOptions = Options(encoding.encoderOptions);
  AVDictionary* left = encoderOptions.release();
  const int opened = Libav().avcodec_open2(codec, encoder, &left);
  encoderOptions.reset(left);
  if (opened < 0) Fail("the encoder refused its settings", opened);
  if (const AVDictionaryEntry* unknown = Libav().av_dict_get(left, "", nullptr, AV_DICT_IGNORE_SUFFIX)) {
    Fail(std::string("the encoder does not know ") + unknown->key, 0);
  }

  av_->stream = Libav().avformat_new_stream(format, nullptr);
  if (!av_->stream) Fail("no stream", AVERROR(ENOMEM));
  av_->stream->time_base = codec->time_base;
  av_->stream->avg_frame_rate = codec->framerate;
  if (const int error = Libav().avcodec_parameters_from_context(av_->stream->codecpar, codec); error < 0) {
    Fail("no stream parameters", error);
  }

  // Written by name, not through the descriptor: the index at the front of an
  // .mp4 is made by reading the file back once it is complete.
  format->url = Libav().av_strdup(("file:" + av_->file.TemporaryPath()).c_str());
  if (!format->url) Fail("no file name", AVERROR(ENOMEM));
  if (const int error = Libav().avio_open(&format->pb, format->url, AVIO_FLAG_WRITE); error < 0) {
    Fail("cannot open the temporary file", error);
  }
  auto muxerOptions = Options(encoding.muxerOptions);
  left = muxerOptions.release();
  const int headed = Libav().avformat_write_header(format, &left);
  muxerOptions.reset(left);
  if (headed < 0) Fail("cannot write the header", headed);

  av_->frame.reset(Libav().av_frame_alloc());
  av_->packet.reset(Libav().av_packet_alloc());
  if (!av_->frame || !av_->packet) Fail("no frame", AVERROR(ENOMEM));
  av_->frame->format = codec->pix_fmt;
  av_->frame->width = codec->width;
  av_->frame->height = codec->height;
  if (const int error = Libav().av_frame_get_buffer(av_->frame.get(), 0); error < 0) Fail("no frame", error);

  // Same size: luma is converted pixel for pixel; the halved colour planes are
  // filtered as the library does by default, with exact rounding.
  av_->scaler.reset(Libav().sws_getContext(codec->width, codec->height, AV_PIX_FMT_0RGB32, codec->width, codec->height,
                                   codec->pix_fmt, SWS_BICUBIC | SWS_ACCURATE_RND, nullptr,
                                   nullptr, nullptr));
  if (!av_->scaler) Fail("no colour conversion", AVERROR(ENOMEM));
  if (encoding.pixels == AV_PIX_FMT_YUV420P) {
    const int* bt709 = Libav().sws_getCoefficients(SWS_CS_ITU709);
    constexpr int kUnit = 1 << 16;  // brightness 0, contrast and saturation 1, in 16.16
    Libav().sws_setColorspaceDetails(av_->scaler.get(), bt709, 1, bt709, 0, 0, kUnit, kUnit);
  }
}

VideoRecorder::~VideoRecorder() = default;

void VideoRecorder::Add(const unsigned char* pixels, int bytesPerLine) {
  AVFrame* frame = av_->frame.get();
  // The encoder may still hold the last frame's buffer.
  if (const int error = Libav().av_frame_make_writable(frame); error < 0) Fail("no frame", error);
  // libswscale reads four planes and four strides whatever the format.
  const uint8_t* planes[4] = {pixels};
  int strides[4] = {bytesPerLine};
  if (Libav().sws_scale(av_->scaler.get(), planes, strides, 0, frame->height, frame->data, frame->linesize) !=
      frame->height) {
    Fail("the colour conversion failed", 0);
  }
  frame->pts = nextPts_++;
  Send(false);
}

void VideoRecorder::Finish() {
  Send(true);
  AVFormatContext* format = av_->format.get();
  if (const int error = Libav().av_write_trailer(format); error < 0) Fail("cannot complete the file", error);
  if (format->pb->error < 0) Fail("cannot write", format->pb->error);
  if (const int error = Libav().avio_closep(&format->pb); error < 0) Fail("cannot write", error);
  if (!av_->file.Commit()) FailOnFile();
}

void VideoRecorder::Send(bool last) {
  AVCodecContext* codec = av_->codec.get();
  AVPacket* packet = av_->packet.get();
  if (const int error = Libav().avcodec_send_frame(codec, last ? nullptr : av_->frame.get()); error < 0) {
    Fail("cannot encode", error);
  }
  for (;;) {
    const int received = Libav().avcodec_receive_packet(codec, packet);
    if (received == AVERROR(EAGAIN) || received == AVERROR_EOF) return;
    if (received < 0) Fail("cannot encode", received);
    if (packet->duration == 0) packet->duration = 1;  // one frame, so the container knows the last one's end
    Libav().av_packet_rescale_ts(packet, codec->time_base, av_->stream->time_base);
    packet->stream_index = av_->stream->index;
    // Takes the packet's data and leaves it blank for the next one.
    if (const int error = Libav().av_interleaved_write_frame(av_->format.get(), packet); error < 0) {
      Fail("cannot write", error);
    }
  }
}

void VideoRecorder::Fail(const std::string& what, int error) const {
  std::string message = "cannot record " + Quoted(target_) + ": " + what;
  if (error < 0) {
    char reason[AV_ERROR_MAX_STRING_SIZE] = {};
    Libav().av_strerror(error, reason, sizeof reason);
    message += std::string(" (") + reason + ")";
  }
  if (const std::string detail = TakeLibraryError(); !detail.empty()) message += ": " + Quoted(detail);
  throw VideoError(message);
}

void VideoRecorder::FailOnFile() const {
  throw VideoError("cannot record " + Quoted(target_) + ": " + AsClause(av_->file.Problem()));
}
