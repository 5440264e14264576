// The study on the command line: a thousand project files in one run of the program
// against twenty runs of one file each, both as real processes (output to /dev/null). The
// thousand files must cost less than the twenty runs: in wall-clock time (the Time
// column) and in processor time of the program, which the machine's load does not
// distort (the ChildCpu counter, in seconds per iteration).
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <sys/resource.h>

namespace {

const QString App = QStringLiteral(TAVIX_APP_PATH);

// Copies of the worked example, each a file of its own as in a real study.
class StudyFolder
{
public:
    explicit StudyFolder(int count)
    {
        const QString example = QStringLiteral(TAVIX_SOURCE_DIR "/examples/worked-example.dat");
        for (int i = 0; i < count; ++i) {
            const QString path =
                m_dir.filePath(QStringLiteral("variante-%1.dat").arg(i, 4, 10, QLatin1Char('0')));
            QFile::copy(example, path);
            m_files << path;
        }
    }
    const QStringList &files() const { return m_files; }

private:
    QTemporaryDir m_dir;
    QStringList m_files;
};

// User and system time of the finished child processes so far, in seconds.
double childCpuSeconds()
{
    rusage usage = {};
    ::getrusage(RUSAGE_CHILDREN, &usage);
    return double(usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) +
           double(usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e6;
}

bool runProgram(const QStringList &arguments)
{
    QProcess process;
    process.setStandardOutputFile(QProcess::nullDevice());
    process.start(App, arguments);
    return process.waitForFinished(-1) && process.exitStatus() == QProcess::NormalExit &&
           process.exitCode() == 0;
}

} // namespace

static void BM_CommandLineTwentySingleFileRuns(benchmark::State &state)
{
    const StudyFolder study(20);
    const double cpuBefore = childCpuSeconds();
    for (auto _ : state) {
        for (const QString &file : study.files()) {
            if (!runProgram({QStringLiteral("--json"), file}))
                state.SkipWithError("the program failed");
        }
    }
    state.counters["ChildCpu"] =
        benchmark::Counter(childCpuSeconds() - cpuBefore, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CommandLineTwentySingleFileRuns)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

static void BM_CommandLineThousandFilesOneRun(benchmark::State &state)
{
    const StudyFolder study(1000);
    const double cpuBefore = childCpuSeconds();
    for (auto _ : state) {
        if (!runProgram(QStringList{QStringLiteral("--json")} + study.files()))
            state.SkipWithError("the program failed");
    }
    state.counters["ChildCpu"] =
        benchmark::Counter(childCpuSeconds() - cpuBefore, benchmark::Counter::kAvgIterations);
}
BENCHMARK(BM_CommandLineThousandFilesOneRun)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime()
    ->Iterations(1)
    ->Repetitions(7)
    ->ReportAggregatesOnly(true);

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
