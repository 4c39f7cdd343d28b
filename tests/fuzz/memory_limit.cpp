// Linked into every fuzz target: runs it with a memory limit unless the command line gives
// one, so an input that makes a reader allocate hundreds of megabytes fails the run.
#include <vector>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static std::vector<char*> args;
    static char limit[] = "-malloc_limit_mb=128";
    args.assign(*argv, *argv + *argc);
    // Right after the program name: a limit given on the command line comes later and wins.
    args.insert(args.begin() + (args.empty() ? 0 : 1), limit);
    args.push_back(nullptr);
    *argc = static_cast<int>(args.size()) - 1;
    *argv = args.data();
    return 0;
}
