// Measures the frame wait at 60 frames per second: how far each frame interval is from
// 16.667 ms, and how much processor time the process spends per frame.
// Run: SDL_VIDEODRIVER=offscreen build/tools/bench_frame_wait/bench_frame_wait [frames]
#include <sys/resource.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "runtime/frame/engine.h"

namespace {
double CpuMs() {
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return (u.ru_utime.tv_sec + u.ru_stime.tv_sec) * 1000.0 +
           (u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1000.0;
}
}  // namespace

int main(int argc, char** argv) {
    const int frames = argc > 1 ? std::max(10, std::atoi(argv[1])) : 600;
    EngineInit("", 1, "");
    SetFrameLimit(60);
    const double target = FrameInterval();
    for (int i = 0; i < 10; ++i) FrameWait();  // settle

    std::vector<double> ends;
    ends.reserve(frames + 1);
    const double cpu0 = CpuMs();
    ends.push_back(NowMs());
    for (int i = 0; i < frames; ++i) {
        FrameWait();
        ends.push_back(NowMs());
    }
    const double cpu = CpuMs() - cpu0;

    double sum = 0, worst = 0;
    for (size_t i = 1; i < ends.size(); ++i) {
        const double dev = std::fabs((ends[i] - ends[i - 1]) - target);
        sum += dev;
        worst = std::max(worst, dev);
    }
    std::printf("frames: %d at 60 per second (interval %.3f ms)\n", frames, target);
    std::printf("mean deviation of the frame interval: %.4f ms\n", sum / frames);
    std::printf("worst deviation of the frame interval: %.4f ms\n", worst);
    std::printf("process CPU time per frame: %.4f ms (%.1f %% of one core)\n", cpu / frames,
                100.0 * cpu / (ends.back() - ends.front()));
    std::fflush(stdout);
    EndProgram();
}
