#pragma once
// FFmpeg's libraries, loaded when the first video is recorded instead of when
// the exporter starts. With the libraries they load in turn they are over a
// hundred, and loading them took 80 of the 110 ms every command took to
// start, though only video uses them.

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/dict.h>
#include <libavutil/error.h>
#include <libavutil/log.h>
#include <libswscale/swscale.h>
}

#include <string>

// Every call the recorder makes into the libraries.
#define KT_LIBAV_CALLS(X)                                                                                      \
  X(av_dict_free) X(av_dict_get) X(av_dict_parse_string) X(av_frame_alloc) X(av_frame_free)                    \
  X(av_frame_get_buffer) X(av_frame_make_writable) X(av_interleaved_write_frame) X(av_log_format_line2)        \
  X(av_log_set_callback) X(av_packet_alloc) X(av_packet_free) X(av_packet_rescale_ts) X(av_strdup)             \
  X(av_strerror) X(av_write_trailer) X(avcodec_alloc_context3) X(avcodec_find_encoder_by_name)                 \
  X(avcodec_free_context) X(avcodec_open2) X(avcodec_parameters_from_context) X(avcodec_receive_packet)        \
  X(avcodec_send_frame) X(avformat_alloc_output_context2) X(avformat_free_context) X(avformat_new_stream)      \
  X(avformat_write_header) X(avio_closep) X(avio_open) X(sws_freeContext) X(sws_getCoefficients)              \
  X(sws_getContext) X(sws_scale) X(sws_setColorspaceDetails)

struct LibavCalls {
#define KT_LIBAV_POINTER(name) decltype(&::name) name = nullptr;
  KT_LIBAV_CALLS(KT_LIBAV_POINTER)
#undef KT_LIBAV_POINTER
};

// Loads the libraries the first time it is called. Empty once they are
// loaded; otherwise the loader's reason, the same on every call.
const std::string& LoadLibav();

// The calls into the libraries, once LoadLibav has loaded them.
const LibavCalls& Libav();
