#include "MovieEncoder.h"

#include "FfmpegHandles.h"
#include "MovieEncoding.h"

extern "C" {
#include <libavutil/log.h>
#include <libavutil/mathematics.h>
}

#include <QIODevice>
#include <QImage>

#include <cstdio>

namespace kestrix::hostsim::movie {

namespace {

constexpr int IoBufferSize = 64 * 1024;
// MPEG-4 Part 2 keeps the time base's denominator in 16 bits.
constexpr int LargestRateTerm = 65535;
// Fixed quantiser of MPEG-4 Part 2 (2 best, 31 worst): plots are sharp lines and flat colour,
// which a low fixed bit rate would smear.
constexpr int Mpeg4Quantiser = 3;

int writeToDevice(void* opaque, uint8_t* buffer, int size)
{
    auto* device = static_cast<QIODevice*>(opaque);
    const qint64 written = device->write(reinterpret_cast<const char*>(buffer), size);
    return written == size ? size : AVERROR(EIO);
}

int64_t seekInDevice(void* opaque, int64_t offset, int whence)
{
    auto* device = static_cast<QIODevice*>(opaque);
    qint64 target = 0;
    switch (whence & ~AVSEEK_FORCE) {
    case AVSEEK_SIZE: return device->size();
    case SEEK_SET: target = offset; break;
    case SEEK_CUR: target = device->pos() + offset; break;
    case SEEK_END: target = device->size() + offset; break;
    default: return AVERROR(EINVAL);
    }
    return device->seek(target) ? target : AVERROR(EIO);
}

// FFmpeg reports its encoders' progress and statistics on stderr by default; a host keeps
// only warnings and errors there. A level the program chose itself is left alone.
void quietenFfmpegOnce()
{
    static const bool quietened = [] {
        if (av_log_get_level() == AV_LOG_INFO)
            av_log_set_level(AV_LOG_WARNING);
        return true;
    }();
    Q_UNUSED(quietened)
}

} // namespace

class MovieEncoder::Private {
public:
    bool fail(QString* error, const QString& what, int code) const
    {
        if (error)
            *error = code < 0 ? QStringLiteral("%1: %2").arg(what, ffmpegErrorText(code)) : what;
        return false;
    }

    bool setUpEncoder(const MovieEncoding& encoding, const QSize& size, double framesPerSecond, QString* error);
    bool setUpContainer(QIODevice& output, const MovieEncoding& encoding, QString* error);
    bool setUpConversion(const QSize& size, QString* error);
    // Sends a frame (null to drain) and writes whatever packets the encoder has ready.
    bool send(const AVFrame* frame, QString* error);

    // Released in reverse order: the muxer before the I/O it writes through.
    IoContextHandle io;
    OutputContextHandle container;
    CodecContextHandle codec;
    ScaleContextHandle conversion;
    FrameHandle frame;
    PacketHandle packet;
    AVStream* stream = nullptr;
    QString encoderName;
    int64_t nextPts = 0;
    bool open = false;
};

bool MovieEncoder::Private::setUpEncoder(const MovieEncoding& encoding, const QSize& size, double framesPerSecond,
                                         QString* error)
{
    encoderName = QString::fromLatin1(encoding.encoder());
    const AVCodec* encoder = avcodec_find_encoder_by_name(encoding.encoder().constData());
    if (!encoder)
        return fail(error, QStringLiteral("FFmpeg has no encoder %1 here.").arg(encoderName), 0);
    codec.reset(avcodec_alloc_context3(encoder));
    if (!codec)
        return fail(error, QStringLiteral("Cannot set up the encoder %1").arg(encoderName), AVERROR(ENOMEM));
    const AVRational rate = av_d2q(framesPerSecond, LargestRateTerm);
    if (rate.num <= 0 || rate.den <= 0)
        return fail(error, QStringLiteral("%1 frames per second is not a usable movie speed.").arg(framesPerSecond), 0);
    codec->width = size.width();
    codec->height = size.height();
    codec->pix_fmt = AV_PIX_FMT_YUV420P;
    codec->framerate = rate;
    codec->time_base = av_inv_q(rate);
    codec->colorspace = AVCOL_SPC_SMPTE170M;
    codec->color_range = AVCOL_RANGE_MPEG;
    if (encoder->id == AV_CODEC_ID_MPEG4) {
        codec->flags |= AV_CODEC_FLAG_QSCALE;
        codec->global_quality = Mpeg4Quantiser * FF_QP2LAMBDA;
    }
    if (container->oformat->flags & AVFMT_GLOBALHEADER)
        codec->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    const int opened = avcodec_open2(codec.get(), encoder, nullptr);
    if (opened < 0)
        return fail(error,
                    QStringLiteral("The encoder %1 refused %2 x %3 pixels at %4 frames per second")
                        .arg(encoderName)
                        .arg(size.width())
                        .arg(size.height())
                        .arg(framesPerSecond),
                    opened);
    stream = avformat_new_stream(container.get(), nullptr);
    if (!stream)
        return fail(error, QStringLiteral("Cannot add a video stream"), AVERROR(ENOMEM));
    stream->time_base = codec->time_base;
    stream->avg_frame_rate = rate;
    stream->r_frame_rate = rate;
    const int copied = avcodec_parameters_from_context(stream->codecpar, codec.get());
    return copied >= 0 || fail(error, QStringLiteral("Cannot describe the video stream"), copied);
}

bool MovieEncoder::Private::setUpContainer(QIODevice& output, const MovieEncoding& encoding, QString* error)
{
    AVFormatContext* made = nullptr;
    const int allocated = avformat_alloc_output_context2(&made, nullptr, encoding.container().constData(), nullptr);
    container.reset(made);
    if (allocated < 0 || !container)
        return fail(error,
                    QStringLiteral("FFmpeg cannot write %1 files here").arg(QString::fromLatin1(encoding.container())),
                    allocated < 0 ? allocated : AVERROR_MUXER_NOT_FOUND);
    auto* buffer = static_cast<unsigned char*>(av_malloc(IoBufferSize));
    if (!buffer)
        return fail(error, QStringLiteral("Cannot set up the output"), AVERROR(ENOMEM));
    io.reset(avio_alloc_context(buffer, IoBufferSize, 1, &output, nullptr, writeToDevice, seekInDevice));
    if (!io) {
        av_free(buffer);
        return fail(error, QStringLiteral("Cannot set up the output"), AVERROR(ENOMEM));
    }
    container->pb = io.get();
    container->flags |= AVFMT_FLAG_CUSTOM_IO;
    return true;
}

bool MovieEncoder::Private::setUpConversion(const QSize& size, QString* error)
{
    conversion.reset(sws_getContext(size.width(), size.height(), AV_PIX_FMT_RGB0, size.width(), size.height(),
                                    AV_PIX_FMT_YUV420P, SWS_BICUBIC, nullptr, nullptr, nullptr));
    frame.reset(av_frame_alloc());
    packet.reset(av_packet_alloc());
    if (!conversion || !frame || !packet)
        return fail(error, QStringLiteral("Cannot set up the colour conversion"), AVERROR(ENOMEM));
    frame->format = codec->pix_fmt;
    frame->width = size.width();
    frame->height = size.height();
    frame->colorspace = codec->colorspace;
    frame->color_range = codec->color_range;
    const int made = av_frame_get_buffer(frame.get(), 0);
    return made >= 0 || fail(error, QStringLiteral("Cannot allocate a video frame"), made);
}

bool MovieEncoder::Private::send(const AVFrame* picture, QString* error)
{
    const int sent = avcodec_send_frame(codec.get(), picture);
    if (sent < 0)
        return fail(error, QStringLiteral("The encoder %1 failed").arg(encoderName), sent);
    for (;;) {
        const int received = avcodec_receive_packet(codec.get(), packet.get());
        if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
            return true;
        if (received < 0)
            return fail(error, QStringLiteral("The encoder %1 failed").arg(encoderName), received);
        // Every picture stays one frame long; without a duration the last frame of an MP4
        // would have none, and the movie would read back as one frame short in time.
        if (packet->duration == 0)
            packet->duration = 1;
        av_packet_rescale_ts(packet.get(), codec->time_base, stream->time_base);
        packet->stream_index = stream->index;
        const int written = av_interleaved_write_frame(container.get(), packet.get());
        if (written < 0)
            return fail(error, QStringLiteral("Cannot write the movie"), written);
    }
}

MovieEncoder::MovieEncoder() : d(std::make_unique<Private>()) {}

MovieEncoder::~MovieEncoder() = default;

bool MovieEncoder::open(QIODevice& output, const MovieEncoding& encoding, const QSize& size, double framesPerSecond,
                        QString* error)
{
    quietenFfmpegOnce();
    d = std::make_unique<Private>();
    if (size.width() < 2 || size.height() < 2 || size.width() % 2 || size.height() % 2)
        return d->fail(error,
                       QStringLiteral("A movie's pictures need an even size; %1 x %2 is not.")
                           .arg(size.width())
                           .arg(size.height()),
                       0);
    if (!d->setUpContainer(output, encoding, error) || !d->setUpEncoder(encoding, size, framesPerSecond, error)
        || !d->setUpConversion(size, error))
        return false;
    const int header = avformat_write_header(d->container.get(), nullptr);
    if (header < 0)
        return d->fail(error, QStringLiteral("Cannot write the movie's header"), header);
    d->open = true;
    return true;
}

bool MovieEncoder::encode(const QImage& picture, QString* error)
{
    if (!d->open)
        return d->fail(error, QStringLiteral("The movie is not open for writing."), 0);
    if (picture.width() != d->codec->width || picture.height() != d->codec->height)
        return d->fail(error,
                       QStringLiteral("A picture of %1 x %2 pixels does not fit a movie of %3 x %4.")
                           .arg(picture.width())
                           .arg(picture.height())
                           .arg(d->codec->width)
                           .arg(d->codec->height),
                       0);
    const QImage rgb = picture.convertToFormat(QImage::Format_RGBX8888);
    const int writable = av_frame_make_writable(d->frame.get());
    if (writable < 0)
        return d->fail(error, QStringLiteral("Cannot prepare a video frame"), writable);
    const uint8_t* const planes[] = {rgb.constBits()};
    const int strides[] = {static_cast<int>(rgb.bytesPerLine())};
    sws_scale(d->conversion.get(), planes, strides, 0, rgb.height(), d->frame->data, d->frame->linesize);
    d->frame->pts = d->nextPts++;
    return d->send(d->frame.get(), error);
}

bool MovieEncoder::finish(QString* error)
{
    if (!d->open)
        return d->fail(error, QStringLiteral("The movie is not open for writing."), 0);
    d->open = false;
    if (!d->send(nullptr, error))
        return false;
    const int trailer = av_write_trailer(d->container.get());
    if (trailer < 0)
        return d->fail(error, QStringLiteral("Cannot finish the movie"), trailer);
    avio_flush(d->io.get());
    if (d->io->error < 0)
        return d->fail(error, QStringLiteral("Cannot write the movie"), d->io->error);
    return true;
}

} // namespace kestrix::hostsim::movie
