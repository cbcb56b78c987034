#pragma once

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/error.h>
#include <libavutil/frame.h>
#include <libswscale/swscale.h>
}

#include <QString>

#include <memory>

namespace kestrix::hostsim::movie {

// Owning handles of FFmpeg's objects, each released by the function FFmpeg pairs with its
// allocation, so that every early return of the movie code frees what it had made.
struct CodecContextDeleter {
    void operator()(AVCodecContext* context) const { avcodec_free_context(&context); }
};
struct FrameDeleter {
    void operator()(AVFrame* frame) const { av_frame_free(&frame); }
};
struct PacketDeleter {
    void operator()(AVPacket* packet) const { av_packet_free(&packet); }
};
struct ScaleContextDeleter {
    void operator()(SwsContext* context) const { sws_freeContext(context); }
};
// A muxer's context; its I/O context is not its own and is released separately.
struct OutputContextDeleter {
    void operator()(AVFormatContext* context) const { avformat_free_context(context); }
};
struct InputContextDeleter {
    void operator()(AVFormatContext* context) const { avformat_close_input(&context); }
};
// The buffer may have been replaced by FFmpeg since allocation, so it is freed through the
// context rather than by the pointer first handed over.
struct IoContextDeleter {
    void operator()(AVIOContext* context) const
    {
        if (context)
            av_freep(&context->buffer);
        avio_context_free(&context);
    }
};

using CodecContextHandle = std::unique_ptr<AVCodecContext, CodecContextDeleter>;
using FrameHandle = std::unique_ptr<AVFrame, FrameDeleter>;
using PacketHandle = std::unique_ptr<AVPacket, PacketDeleter>;
using ScaleContextHandle = std::unique_ptr<SwsContext, ScaleContextDeleter>;
using OutputContextHandle = std::unique_ptr<AVFormatContext, OutputContextDeleter>;
using InputContextHandle = std::unique_ptr<AVFormatContext, InputContextDeleter>;
using IoContextHandle = std::unique_ptr<AVIOContext, IoContextDeleter>;

inline QString ffmpegErrorText(int code)
{
    char text[AV_ERROR_MAX_STRING_SIZE] = {};
    av_strerror(code, text, sizeof text);
    return QString::fromUtf8(text);
}

} // namespace kestrix::hostsim::movie
