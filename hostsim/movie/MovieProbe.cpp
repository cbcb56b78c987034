#include "MovieProbe.h"

#include "FfmpegHandles.h"

#include <QFile>

#include <cstring>

namespace kestrix::hostsim::movie {

namespace {

bool fail(QString* error, const QString& message, int code)
{
    if (error)
        *error = QStringLiteral("%1: %2").arg(message, ffmpegErrorText(code));
    return false;
}

// The decoded frames one by one, converted to pictures when asked to.
class FrameReader {
public:
    FrameReader(AVCodecContext& decoder, bool keep) : m_decoder(decoder), m_keep(keep) {}

    // Sends a packet (null to drain) and takes every frame the decoder has ready.
    int take(const AVPacket* packet, int& frames, QList<QImage>& pictures)
    {
        const int sent = avcodec_send_packet(&m_decoder, packet);
        if (sent < 0)
            return sent;
        for (;;) {
            const int received = avcodec_receive_frame(&m_decoder, m_frame.get());
            if (received == AVERROR(EAGAIN) || received == AVERROR_EOF)
                return 0;
            if (received < 0)
                return received;
            ++frames;
            if (m_keep)
                pictures.append(convert(*m_frame));
            av_frame_unref(m_frame.get());
        }
    }

    bool isReady() const { return m_frame != nullptr; }

private:
    // The scaler's vector code writes past the end of its last row, so it converts into a
    // padded frame of FFmpeg's own and the rows are copied into the picture from there.
    QImage convert(const AVFrame& frame)
    {
        m_conversion.reset(sws_getCachedContext(m_conversion.release(), frame.width, frame.height,
                                                static_cast<AVPixelFormat>(frame.format), frame.width, frame.height,
                                                AV_PIX_FMT_RGB0, SWS_BICUBIC, nullptr, nullptr, nullptr));
        const FrameHandle rgb(av_frame_alloc());
        if (!m_conversion || !rgb)
            return {};
        rgb->format = AV_PIX_FMT_RGB0;
        rgb->width = frame.width;
        rgb->height = frame.height;
        QImage picture(frame.width, frame.height, QImage::Format_RGBX8888);
        if (av_frame_get_buffer(rgb.get(), 0) < 0 || picture.isNull())
            return {};
        sws_scale(m_conversion.get(), frame.data, frame.linesize, 0, frame.height, rgb->data, rgb->linesize);
        const auto rowBytes = static_cast<std::size_t>(frame.width) * 4;
        for (int row = 0; row < frame.height; ++row)
            std::memcpy(picture.scanLine(row), rgb->data[0] + static_cast<std::ptrdiff_t>(row) * rgb->linesize[0],
                        rowBytes);
        return picture;
    }

    AVCodecContext& m_decoder;
    bool m_keep;
    FrameHandle m_frame{av_frame_alloc()};
    ScaleContextHandle m_conversion;
};

} // namespace

bool MovieProbe::read(const QString& path, QString* error, Pictures pictures)
{
    *this = MovieProbe();
    // The "file:" protocol keeps a colon in the name from being taken for another protocol.
    const QByteArray url = "file:" + QFile::encodeName(path);
    AVFormatContext* opened = nullptr;
    const int openCode = avformat_open_input(&opened, url.constData(), nullptr, nullptr);
    const InputContextHandle input(opened);
    if (openCode < 0)
        return fail(error, QStringLiteral("Cannot open %1").arg(path), openCode);
    const int infoCode = avformat_find_stream_info(input.get(), nullptr);
    if (infoCode < 0)
        return fail(error, QStringLiteral("Cannot read the streams of %1").arg(path), infoCode);
    const AVCodec* codec = nullptr;
    const int streamIndex = av_find_best_stream(input.get(), AVMEDIA_TYPE_VIDEO, -1, -1, &codec, 0);
    if (streamIndex < 0 || !codec)
        return fail(error, QStringLiteral("%1 has no video stream that can be decoded").arg(path),
                    streamIndex < 0 ? streamIndex : AVERROR_DECODER_NOT_FOUND);
    const AVStream& stream = *input->streams[streamIndex];

    m_container = QString::fromLatin1(input->iformat->name);
    m_codec = QString::fromLatin1(avcodec_get_name(stream.codecpar->codec_id));
    m_width = stream.codecpar->width;
    m_height = stream.codecpar->height;
    const AVRational rate = stream.avg_frame_rate.num > 0 ? stream.avg_frame_rate : stream.r_frame_rate;
    m_framesPerSecond = rate.num > 0 && rate.den > 0 ? av_q2d(rate) : 0.0;

    const CodecContextHandle decoder(avcodec_alloc_context3(codec));
    const PacketHandle packet(av_packet_alloc());
    if (!decoder || !packet)
        return fail(error, QStringLiteral("Cannot set up a decoder"), AVERROR(ENOMEM));
    const int parameters = avcodec_parameters_to_context(decoder.get(), stream.codecpar);
    if (parameters < 0)
        return fail(error, QStringLiteral("Cannot set up a decoder"), parameters);
    const int decoderCode = avcodec_open2(decoder.get(), codec, nullptr);
    if (decoderCode < 0)
        return fail(error, QStringLiteral("Cannot open the decoder %1").arg(m_codec), decoderCode);

    FrameReader reader(*decoder, pictures == Pictures::Keep);
    if (!reader.isReady())
        return fail(error, QStringLiteral("Cannot set up a decoder"), AVERROR(ENOMEM));
    for (;;) {
        const int readCode = av_read_frame(input.get(), packet.get());
        if (readCode == AVERROR_EOF)
            break;
        if (readCode < 0)
            return fail(error, QStringLiteral("Cannot read %1").arg(path), readCode);
        const int taken = packet->stream_index == streamIndex ? reader.take(packet.get(), m_frameCount, m_pictures) : 0;
        av_packet_unref(packet.get());
        if (taken < 0)
            return fail(error, QStringLiteral("Cannot decode %1").arg(path), taken);
    }
    const int drained = reader.take(nullptr, m_frameCount, m_pictures);
    if (drained < 0)
        return fail(error, QStringLiteral("Cannot decode %1").arg(path), drained);
    return true;
}

} // namespace kestrix::hostsim::movie
