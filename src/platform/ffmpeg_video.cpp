#include "platform/ffmpeg_video.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/channel_layout.h>
#include <libavutil/imgutils.h>
#include <libswresample/swresample.h>
#include <libswscale/swscale.h>
}

#include <algorithm>
#include <atomic>
#include <deque>
#include <mutex>
#include <vector>

namespace fg {

namespace {

// Intro videos are small; anything bigger than this is not one of ours.
constexpr int kMaxVideoSide = 4096;
// Sound is decoded this far ahead of the picture so the device never runs dry.
constexpr int64_t kAudioLeadMs = 300;
// Bound on queued sound (a damaged file could hold a flood of it).
constexpr size_t kMaxQueuedSamples = 48000 * 2 * 4;

struct FormatCloser { void operator()(AVFormatContext* f) const { avformat_close_input(&f); } };
struct CodecFreer { void operator()(AVCodecContext* c) const { avcodec_free_context(&c); } };
struct FrameFreer { void operator()(AVFrame* f) const { av_frame_free(&f); } };
struct PacketFreer { void operator()(AVPacket* p) const { av_packet_free(&p); } };
struct SwsFreer { void operator()(SwsContext* s) const { sws_freeContext(s); } };
struct SwrFreer { void operator()(SwrContext* s) const { swr_free(&s); } };

using FormatPtr = std::unique_ptr<AVFormatContext, FormatCloser>;
using CodecPtr = std::unique_ptr<AVCodecContext, CodecFreer>;
using FramePtr = std::unique_ptr<AVFrame, FrameFreer>;
using PacketPtr = std::unique_ptr<AVPacket, PacketFreer>;

CodecPtr openDecoder(AVStream* s) {
  const AVCodec* codec = avcodec_find_decoder(s->codecpar->codec_id);
  if (!codec) return nullptr;
  CodecPtr ctx(avcodec_alloc_context3(codec));
  if (!ctx || avcodec_parameters_to_context(ctx.get(), s->codecpar) < 0) return nullptr;
  ctx->thread_count = 1;
  if (avcodec_open2(ctx.get(), codec, nullptr) < 0) return nullptr;
  return ctx;
}

// The video's sound, resampled for the device and played from a queue that
// the audio thread drains.
class VideoSound : public AudioSource {
 public:
  void mix(int16_t* out, int frames, int channels, int rate) override {
    std::lock_guard<std::mutex> lock(mutex_);
    wantRate_ = rate;
    wantChannels_ = channels;
    size_t want = static_cast<size_t>(frames) * static_cast<size_t>(channels);
    size_t have = (rate == rate_ && channels == channels_) ? std::min(want, queue_.size()) : 0;
    std::copy_n(queue_.begin(), have, out);
    queue_.erase(queue_.begin(), queue_.begin() + static_cast<std::ptrdiff_t>(have));
    std::fill(out + have, out + want, int16_t{0});
  }

  // The device format asked for by the last mix (or the default before one).
  void wanted(int& rate, int& channels) {
    std::lock_guard<std::mutex> lock(mutex_);
    rate = wantRate_;
    channels = wantChannels_;
  }
  void setFormat(int rate, int channels) {
    std::lock_guard<std::mutex> lock(mutex_);
    rate_ = rate;
    channels_ = channels;
    queue_.clear();
  }
  void push(const int16_t* samples, size_t count) {
    std::lock_guard<std::mutex> lock(mutex_);
    if (queue_.size() + count > kMaxQueuedSamples) return;
    queue_.insert(queue_.end(), samples, samples + count);
  }

 private:
  std::mutex mutex_;
  std::deque<int16_t> queue_;
  int rate_ = 0, channels_ = 0;
  int wantRate_ = 44100, wantChannels_ = 2;
};

class FfmpegVideo : public VideoDecoder {
 public:
  bool open(const std::string& path);

  int width() const override { return width_; }
  int height() const override { return height_; }
  bool advance(uint32_t ms) override;
  const uint8_t* rgb() const override { return rgb_.data(); }
  AudioSource* audio() override { return audioStream_ >= 0 ? &sound_ : nullptr; }

 private:
  bool readPacket();
  bool nextVideoFrame();
  void decodeAudio(AVPacket* pkt);
  void queueAudioFrame(AVFrame* f);
  bool setupResampler();
  void convertPicture();
  int64_t toMs(int64_t pts, int stream) const;

  FormatPtr fmt_;
  CodecPtr vdec_, adec_;
  int videoStream_ = -1, audioStream_ = -1;
  int width_ = 0, height_ = 0;
  std::unique_ptr<SwsContext, SwsFreer> sws_;
  std::unique_ptr<SwrContext, SwrFreer> swr_;
  int swrRate_ = 0, swrChannels_ = 0;
  FramePtr frame_{av_frame_alloc()};
  FramePtr aframe_{av_frame_alloc()};
  PacketPtr pkt_{av_packet_alloc()};
  std::deque<PacketPtr> videoPackets_;
  bool eof_ = false, flushed_ = false, videoDone_ = false, pending_ = false;
  int64_t pendingMs_ = 0, lastMs_ = 0, frameMs_ = 40, audioMs_ = 0;
  std::vector<uint8_t> rgb_;
  VideoSound sound_;
};

namespace {

// A pipe would make the open wait for a writer, a device would never end.
bool isPlainFile(const std::string& path) {
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0) return false;
  struct stat st{};
  const bool plain = ::fstat(fd, &st) == 0 && S_ISREG(st.st_mode);
  ::close(fd);
  return plain;
}

}  // namespace

int64_t FfmpegVideo::toMs(int64_t pts, int stream) const {
  if (pts == AV_NOPTS_VALUE) return lastMs_ + frameMs_;
  AVRational tb = fmt_->streams[stream]->time_base;
  return av_rescale_q(pts, tb, AVRational{1, 1000});
}

bool FfmpegVideo::open(const std::string& path) {
  if (!isPlainFile(path)) return false;
  // An intro is an AVI file and nothing else: a playlist or a concatenation
  // list in its place must not make the demuxer open files (or addresses)
  // that it names.
  AVDictionary* options = nullptr;
  av_dict_set(&options, "protocol_whitelist", "file", 0);
  AVFormatContext* raw = nullptr;
  const int opened = avformat_open_input(&raw, path.c_str(), av_find_input_format("avi"), &options);
  av_dict_free(&options);
  if (opened < 0) return false;
  fmt_.reset(raw);
  if (avformat_find_stream_info(fmt_.get(), nullptr) < 0) return false;
  videoStream_ = av_find_best_stream(fmt_.get(), AVMEDIA_TYPE_VIDEO, -1, -1, nullptr, 0);
  if (videoStream_ < 0) return false;
  vdec_ = openDecoder(fmt_->streams[videoStream_]);
  if (!vdec_) return false;
  width_ = vdec_->width;
  height_ = vdec_->height;
  if (width_ <= 0 || height_ <= 0 || width_ > kMaxVideoSide || height_ > kMaxVideoSide) return false;
  AVRational rate = av_guess_frame_rate(fmt_.get(), fmt_->streams[videoStream_], nullptr);
  if (rate.num > 0 && rate.den > 0) frameMs_ = std::max<int64_t>(1, av_rescale(1000, rate.den, rate.num));
  rgb_.assign(static_cast<size_t>(width_) * height_ * 3, 0);
  // Sound is optional: a video whose sound cannot be decoded plays silent.
  int a = av_find_best_stream(fmt_.get(), AVMEDIA_TYPE_AUDIO, -1, videoStream_, nullptr, 0);
  if (a >= 0) {
    adec_ = openDecoder(fmt_->streams[a]);
    if (adec_) audioStream_ = a;
  }
  return frame_ && aframe_ && pkt_;
}

bool FfmpegVideo::setupResampler() {
  int rate = 0, channels = 0;
  sound_.wanted(rate, channels);
  if (swr_ && rate == swrRate_ && channels == swrChannels_) return true;
  AVChannelLayout out{};
  av_channel_layout_default(&out, channels);
  SwrContext* s = nullptr;
  int err = swr_alloc_set_opts2(&s, &out, AV_SAMPLE_FMT_S16, rate, &adec_->ch_layout, adec_->sample_fmt,
                                adec_->sample_rate, 0, nullptr);
  av_channel_layout_uninit(&out);
  if (err < 0 || swr_init(s) < 0) {
    swr_free(&s);
    return false;
  }
  swr_.reset(s);
  swrRate_ = rate;
  swrChannels_ = channels;
  sound_.setFormat(rate, channels);
  return true;
}

void FfmpegVideo::queueAudioFrame(AVFrame* f) {
  if (f->pts != AV_NOPTS_VALUE) audioMs_ = toMs(f->pts, audioStream_);
  if (adec_->sample_rate > 0) audioMs_ += static_cast<int64_t>(f->nb_samples) * 1000 / adec_->sample_rate;
  if (!setupResampler()) return;
  int room = swr_get_out_samples(swr_.get(), f->nb_samples);
  if (room <= 0 || room > 1 << 20) return;
  std::vector<int16_t> out(static_cast<size_t>(room) * swrChannels_);
  uint8_t* dst[1] = {reinterpret_cast<uint8_t*>(out.data())};
  int got = swr_convert(swr_.get(), dst, room, const_cast<const uint8_t**>(f->extended_data), f->nb_samples);
  if (got > 0) sound_.push(out.data(), static_cast<size_t>(got) * swrChannels_);
}

void FfmpegVideo::decodeAudio(AVPacket* pkt) {
  if (avcodec_send_packet(adec_.get(), pkt) < 0) return;
  while (avcodec_receive_frame(adec_.get(), aframe_.get()) >= 0) {
    queueAudioFrame(aframe_.get());
    av_frame_unref(aframe_.get());
  }
}

bool FfmpegVideo::readPacket() {
  if (eof_) return false;
  if (av_read_frame(fmt_.get(), pkt_.get()) < 0) {
    eof_ = true;
    return false;
  }
  if (pkt_->stream_index == videoStream_) {
    // A flood of undecoded pictures means the file is not what it claims.
    if (videoPackets_.size() < 512) videoPackets_.emplace_back(av_packet_clone(pkt_.get()));
  } else if (pkt_->stream_index == audioStream_) {
    decodeAudio(pkt_.get());
  }
  av_packet_unref(pkt_.get());
  return true;
}

bool FfmpegVideo::nextVideoFrame() {
  for (;;) {
    int r = avcodec_receive_frame(vdec_.get(), frame_.get());
    if (r >= 0) return true;
    if (r != AVERROR(EAGAIN)) return false;
    while (videoPackets_.empty() && readPacket()) {
    }
    if (!videoPackets_.empty()) {
      PacketPtr p = std::move(videoPackets_.front());
      videoPackets_.pop_front();
      if (p) avcodec_send_packet(vdec_.get(), p.get());
    } else if (!flushed_) {
      flushed_ = true;
      avcodec_send_packet(vdec_.get(), nullptr);
    } else {
      return false;
    }
  }
}

void FfmpegVideo::convertPicture() {
  sws_.reset(sws_getCachedContext(sws_.release(), frame_->width, frame_->height,
                                  static_cast<AVPixelFormat>(frame_->format), width_, height_,
                                  AV_PIX_FMT_RGB24, SWS_BILINEAR, nullptr, nullptr, nullptr));
  if (!sws_) return;
  uint8_t* dst[1] = {rgb_.data()};
  int stride[1] = {width_ * 3};
  sws_scale(sws_.get(), frame_->data, frame_->linesize, 0, frame_->height, dst, stride);
}

bool FfmpegVideo::advance(uint32_t ms) {
  if (audioStream_ >= 0) {
    while (audioMs_ < static_cast<int64_t>(ms) + kAudioLeadMs && readPacket()) {
    }
  }
  while (!videoDone_) {
    if (!pending_) {
      if (!nextVideoFrame()) {
        videoDone_ = true;
        break;
      }
      pending_ = true;
      pendingMs_ = toMs(frame_->best_effort_timestamp, videoStream_);
    }
    if (pendingMs_ > static_cast<int64_t>(ms)) break;
    convertPicture();
    lastMs_ = pendingMs_;
    pending_ = false;
    av_frame_unref(frame_.get());
  }
  // The last picture stays up for its own duration.
  return !videoDone_ || static_cast<int64_t>(ms) < lastMs_ + frameMs_;
}

}  // namespace

std::unique_ptr<VideoDecoder> openFfmpegVideo(const std::string& path) {
  av_log_set_level(AV_LOG_ERROR);
  auto v = std::make_unique<FfmpegVideo>();
  if (!v->open(path)) return nullptr;
  return v;
}

}  // namespace fg
