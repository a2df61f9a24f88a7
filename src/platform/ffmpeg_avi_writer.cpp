#include "platform/ffmpeg_avi_writer.h"

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
}

#include <algorithm>
#include <functional>
#include <memory>

#include "media/error.h"

namespace fg {

namespace {

struct OutputCloser {
  void operator()(AVFormatContext* f) const {
    if (f->pb) avio_closep(&f->pb);
    avformat_free_context(f);
  }
};
struct CodecFreer { void operator()(AVCodecContext* c) const { avcodec_free_context(&c); } };
struct FrameFreer { void operator()(AVFrame* f) const { av_frame_free(&f); } };
struct PacketFreer { void operator()(AVPacket* p) const { av_packet_free(&p); } };
using CodecPtr = std::unique_ptr<AVCodecContext, CodecFreer>;

[[noreturn]] void fail(const std::string& path) {
  throw GameError(formatMessage("Cannot write video \"%s\"", path.c_str()));
}

void drain(AVFormatContext* out, AVCodecContext* enc, AVStream* st, AVPacket* pkt) {
  while (avcodec_receive_packet(enc, pkt) >= 0) {
    av_packet_rescale_ts(pkt, enc->time_base, st->time_base);
    pkt->stream_index = st->index;
    av_interleaved_write_frame(out, pkt);
  }
}

CodecPtr openEncoder(AVCodecID id, AVFormatContext* out, const std::function<void(AVCodecContext*)>& setup) {
  const AVCodec* codec = avcodec_find_encoder(id);
  if (!codec) return nullptr;
  CodecPtr enc(avcodec_alloc_context3(codec));
  setup(enc.get());
  if (out->oformat->flags & AVFMT_GLOBALHEADER) enc->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
  if (avcodec_open2(enc.get(), codec, nullptr) < 0) return nullptr;
  return enc;
}

}  // namespace

void writeAviFile(const std::string& path, const AviContent& c) {
  AVFormatContext* raw = nullptr;
  if (avformat_alloc_output_context2(&raw, nullptr, "avi", path.c_str()) < 0 || !raw) fail(path);
  std::unique_ptr<AVFormatContext, OutputCloser> out(raw);
  CodecPtr venc = openEncoder(AV_CODEC_ID_RAWVIDEO, out.get(), [&](AVCodecContext* e) {
    e->width = c.width;
    e->height = c.height;
    e->pix_fmt = AV_PIX_FMT_BGR24;
    e->time_base = AVRational{1, c.fps};
  });
  if (!venc) fail(path);
  AVStream* vs = avformat_new_stream(out.get(), nullptr);
  avcodec_parameters_from_context(vs->codecpar, venc.get());
  vs->time_base = venc->time_base;
  CodecPtr aenc;
  AVStream* as = nullptr;
  if (!c.samples.empty()) {
    aenc = openEncoder(AV_CODEC_ID_PCM_S16LE, out.get(), [&](AVCodecContext* e) {
      e->sample_fmt = AV_SAMPLE_FMT_S16;
      e->sample_rate = c.sampleRate;
      av_channel_layout_default(&e->ch_layout, 1);
      e->time_base = AVRational{1, c.sampleRate};
    });
    if (!aenc) fail(path);
    as = avformat_new_stream(out.get(), nullptr);
    avcodec_parameters_from_context(as->codecpar, aenc.get());
    as->time_base = aenc->time_base;
  }
  if (avio_open(&out->pb, path.c_str(), AVIO_FLAG_WRITE) < 0) fail(path);
  if (avformat_write_header(out.get(), nullptr) < 0) fail(path);

  std::unique_ptr<AVFrame, FrameFreer> frame(av_frame_alloc());
  std::unique_ptr<AVPacket, PacketFreer> pkt(av_packet_alloc());
  // The sound goes first in one block per second so players find it early.
  if (aenc) {
    int per = aenc->frame_size > 0 ? aenc->frame_size : 1024;
    for (size_t at = 0; at < c.samples.size(); at += per) {
      int n = static_cast<int>(std::min<size_t>(per, c.samples.size() - at));
      av_frame_unref(frame.get());
      frame->format = AV_SAMPLE_FMT_S16;
      frame->nb_samples = n;
      frame->sample_rate = c.sampleRate;
      av_channel_layout_default(&frame->ch_layout, 1);
      if (av_frame_get_buffer(frame.get(), 0) < 0) fail(path);
      std::copy_n(c.samples.data() + at, n, reinterpret_cast<int16_t*>(frame->data[0]));
      frame->pts = static_cast<int64_t>(at);
      avcodec_send_frame(aenc.get(), frame.get());
      drain(out.get(), aenc.get(), as, pkt.get());
    }
    avcodec_send_frame(aenc.get(), nullptr);
    drain(out.get(), aenc.get(), as, pkt.get());
  }
  for (size_t i = 0; i < c.frames.size(); ++i) {
    const auto& rgb = c.frames[i];
    if (rgb.size() != static_cast<size_t>(c.width) * c.height * 3) fail(path);
    av_frame_unref(frame.get());
    frame->format = AV_PIX_FMT_BGR24;
    frame->width = c.width;
    frame->height = c.height;
    if (av_frame_get_buffer(frame.get(), 0) < 0) fail(path);
    for (int y = 0; y < c.height; ++y) {
      uint8_t* dst = frame->data[0] + static_cast<ptrdiff_t>(y) * frame->linesize[0];
      const uint8_t* src = rgb.data() + static_cast<size_t>(y) * c.width * 3;
      for (int x = 0; x < c.width; ++x) {
        dst[x * 3] = src[x * 3 + 2];
        dst[x * 3 + 1] = src[x * 3 + 1];
        dst[x * 3 + 2] = src[x * 3];
      }
    }
    frame->pts = static_cast<int64_t>(i);
    avcodec_send_frame(venc.get(), frame.get());
    drain(out.get(), venc.get(), vs, pkt.get());
  }
  avcodec_send_frame(venc.get(), nullptr);
  drain(out.get(), venc.get(), vs, pkt.get());
  if (av_write_trailer(out.get()) < 0) fail(path);
}

}  // namespace fg
