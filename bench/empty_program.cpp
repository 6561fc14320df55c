// The baseline of the process benchmarks: a C++ program that does nothing, linked
// statically like the programs, so that a ratio against it tells what a run costs
// beyond starting a process.
int main() {}
