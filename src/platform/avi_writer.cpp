#include "platform/avi_writer.h"

#include <cstdio>

extern "C" {
#include <libavcodec/avcodec.h>
#include <libavformat/avformat.h>
#include <libavutil/imgutils.h>
#include <libavutil/opt.h>
#include <libswscale/swscale.h>
}

#include "media/error.h"
#include "media/file_io.h"
#include "platform/avio_memory.h"

namespace fg {

namespace {

void check(int rc, const char* what) {
  if (rc < 0) {
    char buf[128];
    av_strerror(rc, buf, sizeof buf);
    throw GameError(std::string(what) + ": " + buf);
  }
}

}  // namespace

struct AviWriter::State {
  std::string path;
  MemoryOutput file;
  int width = 0, height = 0, fps = 25, audioRate = 0;
  VideoCodec codec = VideoCodec::Mpeg4;
  AVFormatContext* fmt = nullptr;
  AVCodecContext* video = nullptr;
  AVCodecContext* audio = nullptr;
  AVStream* videoStream = nullptr;
  AVStream* audioStream = nullptr;
  SwsContext* sws = nullptr;
  AVFrame* frame = nullptr;
  AVPacket* packet = nullptr;
  int64_t nextPts = 0, nextAudioPts = 0;
  bool finished = false;

  ~State() {
    sws_freeContext(sws);
    av_frame_free(&frame);
    av_packet_free(&packet);
    avcodec_free_context(&video);
    avcodec_free_context(&audio);
    // The output is our own memory, so FFmpeg leaves it alone here.
    if (fmt) avformat_free_context(fmt);
  }

  void drain(AVCodecContext* ctx, AVStream* stream) {
    while (true) {
      const int rc = avcodec_receive_packet(ctx, packet);
      if (rc == AVERROR(EAGAIN) || rc == AVERROR_EOF) return;
      check(rc, "Video encoding failed");
      av_packet_rescale_ts(packet, ctx->time_base, stream->time_base);
      packet->stream_index = stream->index;
      check(av_interleaved_write_frame(fmt, packet), "Video writing failed");
    }
  }

  AVPixelFormat pixelFormat() const { return codec == VideoCodec::Raw ? AV_PIX_FMT_BGR24 : AV_PIX_FMT_YUV420P; }

  void openVideo() {
    const bool raw = codec == VideoCodec::Raw;
    const AVCodec* encoder = avcodec_find_encoder(raw ? AV_CODEC_ID_RAWVIDEO : AV_CODEC_ID_MPEG4);
    if (!encoder) throw GameError(raw ? "This FFmpeg has no raw video encoder" : "This FFmpeg has no MPEG-4 encoder");
    videoStream = avformat_new_stream(fmt, nullptr);
    video = avcodec_alloc_context3(encoder);
    video->width = width;
    video->height = height;
    video->time_base = AVRational{1, fps};
    video->framerate = AVRational{fps, 1};
    video->pix_fmt = pixelFormat();
    video->thread_count = 1;
    video->flags |= AV_CODEC_FLAG_BITEXACT;
    if (!raw) {
      video->gop_size = fps;
      video->max_b_frames = 0;
      video->flags |= AV_CODEC_FLAG_QSCALE;
      video->global_quality = FF_QP2LAMBDA * 3;
    }
    if (fmt->oformat->flags & AVFMT_GLOBALHEADER) video->flags |= AV_CODEC_FLAG_GLOBAL_HEADER;
    check(avcodec_open2(video, encoder, nullptr), "Cannot open the video encoder");
    check(avcodec_parameters_from_context(videoStream->codecpar, video), "Video stream setup failed");
    videoStream->time_base = video->time_base;
  }

  void openAudio() {
    const AVCodec* encoder = avcodec_find_encoder(AV_CODEC_ID_PCM_S16LE);
    if (!encoder) throw GameError("This FFmpeg has no PCM encoder");
    audioStream = avformat_new_stream(fmt, nullptr);
    audio = avcodec_alloc_context3(encoder);
    audio->sample_rate = audioRate;
    audio->sample_fmt = AV_SAMPLE_FMT_S16;
    av_channel_layout_default(&audio->ch_layout, 1);
    audio->time_base = AVRational{1, audioRate};
    audio->flags |= AV_CODEC_FLAG_BITEXACT;
    check(avcodec_open2(audio, encoder, nullptr), "Cannot open the PCM encoder");
    check(avcodec_parameters_from_context(audioStream->codecpar, audio), "Audio stream setup failed");
    audioStream->time_base = audio->time_base;
  }
};

AviWriter::AviWriter(const std::string& path, int width, int height, int fps, int audioRate, VideoCodec codec)
    : s_(std::make_unique<State>()) {
  s_->codec = codec;
  s_->path = path;
  s_->width = width;
  s_->height = height;
  s_->fps = fps;
  s_->audioRate = audioRate;
  check(avformat_alloc_output_context2(&s_->fmt, nullptr, "avi", path.c_str()), "Cannot make an AVI file");
  s_->fmt->flags |= AVFMT_FLAG_BITEXACT | AVFMT_FLAG_CUSTOM_IO;
  s_->openVideo();
  if (audioRate > 0) s_->openAudio();
  if (!s_->file.context()) throw GameError("Cannot write the video file");
  s_->fmt->pb = s_->file.context();
  check(avformat_write_header(s_->fmt, nullptr), "Cannot write the video header");
  s_->frame = av_frame_alloc();
  s_->packet = av_packet_alloc();
  s_->sws = sws_getContext(width, height, AV_PIX_FMT_RGB24, width, height, s_->pixelFormat(),
                           SWS_BILINEAR | SWS_ACCURATE_RND | SWS_BITEXACT, nullptr, nullptr, nullptr);
  if (!s_->sws) throw GameError("Cannot convert video pictures");
}

AviWriter::~AviWriter() = default;

void AviWriter::addFrame(const Picture& picture) {
  if (picture.width != s_->width || picture.height != s_->height)
    throw GameError("Video frame has the wrong size");
  AVFrame* f = s_->frame;
  av_frame_unref(f);
  f->format = s_->pixelFormat();
  f->width = s_->width;
  f->height = s_->height;
  check(av_frame_get_buffer(f, 0), "Out of memory for a video frame");
  const uint8_t* src[1] = {picture.rgb.data()};
  const int srcStride[1] = {picture.width * 3};
  sws_scale(s_->sws, src, srcStride, 0, picture.height, f->data, f->linesize);
  f->pts = s_->nextPts++;
  check(avcodec_send_frame(s_->video, f), "Video encoding failed");
  s_->drain(s_->video, s_->videoStream);
}

void AviWriter::addAudio(const std::vector<int16_t>& mono) {
  if (!s_->audio || mono.empty()) return;
  AVFrame* f = av_frame_alloc();
  f->format = AV_SAMPLE_FMT_S16;
  f->nb_samples = static_cast<int>(mono.size());
  f->sample_rate = s_->audioRate;
  av_channel_layout_default(&f->ch_layout, 1);
  const int rc = av_frame_get_buffer(f, 0);
  if (rc < 0) {
    av_frame_free(&f);
    check(rc, "Out of memory for sound");
  }
  std::copy(mono.begin(), mono.end(), reinterpret_cast<int16_t*>(f->data[0]));
  f->pts = s_->nextAudioPts;
  s_->nextAudioPts += static_cast<int64_t>(mono.size());
  const int sent = avcodec_send_frame(s_->audio, f);
  av_frame_free(&f);
  check(sent, "Sound encoding failed");
  s_->drain(s_->audio, s_->audioStream);
}

void AviWriter::finish() {
  if (s_->finished) return;
  check(avcodec_send_frame(s_->video, nullptr), "Video encoding failed");
  s_->drain(s_->video, s_->videoStream);
  if (s_->audio) {
    check(avcodec_send_frame(s_->audio, nullptr), "Sound encoding failed");
    s_->drain(s_->audio, s_->audioStream);
  }
  check(av_write_trailer(s_->fmt), "Cannot finish the video file");
  writeFileAtomically(s_->path, s_->file.bytes());
  s_->finished = true;
}

VideoInfo probeVideo(const std::string& path) {
  AVFormatContext* fmt = nullptr;
  check(avformat_open_input(&fmt, path.c_str(), nullptr, nullptr), "Cannot open the video");
  VideoInfo info;
  AVCodecContext* ctx[8] = {};
  AVPacket* pkt = av_packet_alloc();
  AVFrame* frame = av_frame_alloc();
  try {
    check(avformat_find_stream_info(fmt, nullptr), "Cannot read the video streams");
    for (unsigned i = 0; i < fmt->nb_streams && i < 8; ++i) {
      const AVCodec* codec = avcodec_find_decoder(fmt->streams[i]->codecpar->codec_id);
      if (!codec) throw GameError("No decoder for a stream of the video");
      ctx[i] = avcodec_alloc_context3(codec);
      check(avcodec_parameters_to_context(ctx[i], fmt->streams[i]->codecpar), "Bad stream");
      check(avcodec_open2(ctx[i], codec, nullptr), "Cannot open a decoder");
    }
    auto receive = [&](int i) {
      while (avcodec_receive_frame(ctx[i], frame) >= 0) {
        if (ctx[i]->codec_type == AVMEDIA_TYPE_VIDEO) {
          ++info.videoFrames;
          info.width = frame->width;
          info.height = frame->height;
        } else {
          info.audioSamples += frame->nb_samples;
          info.audioRate = frame->sample_rate;
        }
      }
    };
    while (av_read_frame(fmt, pkt) >= 0) {
      const int i = pkt->stream_index;
      if (i < 8 && ctx[i]) {
        check(avcodec_send_packet(ctx[i], pkt), "Cannot decode the video");
        receive(i);
      }
      av_packet_unref(pkt);
    }
    for (unsigned i = 0; i < fmt->nb_streams && i < 8; ++i) {
      avcodec_send_packet(ctx[i], nullptr);
      receive(static_cast<int>(i));
    }
  } catch (...) {
    for (auto& c : ctx) avcodec_free_context(&c);
    av_frame_free(&frame);
    av_packet_free(&pkt);
    avformat_close_input(&fmt);
    throw;
  }
  for (auto& c : ctx) avcodec_free_context(&c);
  av_frame_free(&frame);
  av_packet_free(&pkt);
  avformat_close_input(&fmt);
  return info;
}

}  // namespace fg
