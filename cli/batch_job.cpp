#include "batch_job.h"

#include "batch_text.h"

#include "progress_line.h"
#include "table_layout.h"
#include "work_queue.h"

#include <cerrno>
#include <cstring>
#include <deque>
#include <fcntl.h>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace lx::cli {

namespace {

// One read of the input; its records are the unit of work.
constexpr std::size_t readSize = 256 * 1024;

struct ChunkOutput {
    std::string text;
    std::size_t rows = 0;
    std::size_t failedRows = 0;
};

// Everything a chunk needs once the header is known; shared read-only by the workers.
struct Job {
    Job(const BatchOptions& options, TableLayout tableLayout, std::size_t headerWidth)
        : style(options.locale)
        , layout(std::move(tableLayout))
        , needs(needsFor(layout.wanted, options.level))
        , checks(options.checks)
        , calculator(style, layout.summary, needs, headerWidth, layout.checks, checks)
        , writer(options.format, options.delimiter, style, layout.output) {}

    ChunkOutput run(const RecordBatch& batch, std::size_t first) const {
        ChunkOutput output;
        output.text.reserve(batch.byteSize() * 2 + 64);
        RowResults results;
        for (std::size_t record = first; record < batch.size(); ++record) {
            calculator.calculate(batch, record, results);
            if (results[static_cast<std::size_t>(ResultColumn::Error)].kind != Cell::Kind::Empty) {
                ++output.failedRows;
            }
            writer.appendRow(batch, record, results, output.text);
            ++output.rows;
        }
        return output;
    }

    NumberStyle style;
    TableLayout layout;
    ResultNeeds needs;
    CheckSettings checks;
    RowCalculator calculator;
    TableWriter writer;
};

class Input {
public:
    explicit Input(const QString& file)
        : m_standard(file.isEmpty() || file == QLatin1String("-")) {
        m_name = m_standard ? std::string("standard input") : file.toStdString();
        m_fd = m_standard ? STDIN_FILENO : ::open(file.toLocal8Bit().constData(), O_RDONLY);
        struct stat info {};
        if (m_fd >= 0 && ::fstat(m_fd, &info) == 0) {
            if (S_ISDIR(info.st_mode)) {
                ::close(m_fd);
                m_fd = -1;
                errno = EISDIR;
            } else if (S_ISREG(info.st_mode)) {
                m_size = static_cast<std::size_t>(info.st_size);
            }
        }
    }
    ~Input() {
        if (!m_standard && m_fd >= 0) {
            ::close(m_fd);
        }
    }
    Input(const Input&) = delete;
    Input& operator=(const Input&) = delete;

    bool isOpen() const { return m_fd >= 0; }
    const std::string& name() const { return m_name; }
    std::size_t size() const { return m_size; } // 0 when not a regular file
    bool isFile() const { return !m_standard && m_size > 0; }

    // Bytes read, 0 at the end, -1 on an error (errno says which).
    ssize_t read(char* buffer, std::size_t size) {
        for (;;) {
            const ssize_t got = ::read(m_fd, buffer, size);
            if (got >= 0 || errno != EINTR) {
                return got;
            }
        }
    }

private:
    bool m_standard;
    std::string m_name;
    int m_fd = -1;
    std::size_t m_size = 0;
};

std::vector<std::string> recordFields(const RecordBatch& batch, std::size_t record) {
    std::vector<std::string> fields;
    for (std::size_t k = 0; k < batch.fieldCount(record); ++k) {
        fields.emplace_back(batch.field(record, k));
    }
    return fields;
}

// Feeds records to the workers and writes their output in input order, keeping only a few
// chunks in flight so memory stays flat.
class Pipeline {
public:
    Pipeline(const BatchOptions& options, std::FILE* out)
        : m_options(options)
        , m_out(out)
        , m_limit(static_cast<std::size_t>(2 * options.jobs + 1)) {
        if (options.jobs > 1) {
            m_queue = std::make_unique<WorkQueue<ChunkOutput>>(options.jobs);
        }
    }

    bool hasHeader() const { return m_job != nullptr; }

    // Takes the header; a message when the table cannot be processed.
    std::optional<std::string> start(const RecordBatch& batch) {
        const std::vector<std::string> header = recordFields(batch, 0);
        auto layout = layoutFor(header, m_options.columns);
        if (auto* problem = std::get_if<std::string>(&layout)) {
            return *problem;
        }
        m_job = std::make_shared<const Job>(m_options, std::get<TableLayout>(std::move(layout)),
                                            header.size());
        std::string text;
        m_job->writer.appendHeader(text);
        std::fwrite(text.data(), 1, text.size(), m_out);
        return std::nullopt;
    }

    void add(std::shared_ptr<const RecordBatch> batch, std::size_t first) {
        if (!m_queue) {
            write(m_job->run(*batch, first));
            return;
        }
        std::shared_ptr<const Job> job = m_job;
        m_pending.push_back(
            m_queue->submit([job, batch, first] { return job->run(*batch, first); }));
        while (m_pending.size() >= m_limit) {
            writeOldest();
        }
    }

    void finish() {
        while (!m_pending.empty()) {
            writeOldest();
        }
    }

    std::size_t rows() const { return m_rows; }
    std::size_t failedRows() const { return m_failedRows; }

private:
    void writeOldest() {
        write(m_pending.front().get());
        m_pending.pop_front();
    }
    void write(const ChunkOutput& output) {
        std::fwrite(output.text.data(), 1, output.text.size(), m_out);
        m_rows += output.rows;
        m_failedRows += output.failedRows;
    }

    const BatchOptions& m_options;
    std::FILE* m_out;
    std::size_t m_limit;
    std::shared_ptr<const Job> m_job;
    std::unique_ptr<WorkQueue<ChunkOutput>> m_queue;
    std::deque<std::future<ChunkOutput>> m_pending;
    std::size_t m_rows = 0;
    std::size_t m_failedRows = 0;
};

} // namespace

ExitStatus runBatch(const BatchOptions& options, std::FILE* out, std::FILE* err) {
    QLocale::setDefault(options.locale);
    Input input(options.file);
    if (!input.isOpen()) {
        std::fprintf(
            err, "lxtervan-batch: %s: %s\n", input.name().c_str(),
            narrow(
                BatchText::tr("cannot open: %1").arg(QString::fromLocal8Bit(std::strerror(errno))))
                .c_str());
        return UsageError;
    }
    const auto fail = [&](const std::string& where, const std::string& what) {
        std::fprintf(err, "lxtervan-batch: %s%s: %s\n", input.name().c_str(), where.c_str(),
                     what.c_str());
        return UsageError;
    };

    CsvReader reader(options.delimiter);
    Pipeline pipeline(options, out);
    std::optional<ProgressLine> progress;
    if (options.progress && input.isFile()) {
        progress.emplace(err, input.size());
    }
    std::vector<char> buffer(readSize);
    std::size_t bytesRead = 0;
    for (bool atEnd = false; !atEnd;) {
        auto batch = std::make_shared<RecordBatch>();
        const ssize_t got = input.read(buffer.data(), buffer.size());
        if (got < 0) {
            return fail("", narrow(BatchText::tr("cannot read: %1")
                                       .arg(QString::fromLocal8Bit(std::strerror(errno)))));
        }
        atEnd = got == 0;
        bytesRead += static_cast<std::size_t>(got);
        const bool parsed =
            atEnd ? reader.finish(*batch)
                  : reader.feed({buffer.data(), static_cast<std::size_t>(got)}, *batch);
        if (!parsed) {
            return fail("",
                        narrow(BatchText::tr("out of memory for a field (an unclosed quote?)")));
        }
        std::size_t first = 0;
        if (!pipeline.hasHeader() && batch->size() > 0) {
            if (auto problem = pipeline.start(*batch)) {
                return fail(narrow(BatchText::tr(", line 1")), *problem);
            }
            first = 1;
        }
        if (batch->size() > first) {
            pipeline.add(std::move(batch), first);
        }
        if (progress) {
            progress->update(bytesRead, pipeline.rows());
        }
    }
    pipeline.finish();
    if (progress) {
        progress->clear();
    }
    if (!pipeline.hasHeader()) {
        return fail("", narrow(BatchText::tr("there is no header row")));
    }
    if (std::fflush(out) != 0 || std::ferror(out)) {
        std::fprintf(err, "lxtervan-batch: %s\n",
                     narrow(BatchText::tr("cannot write the output: %1")
                                .arg(QString::fromLocal8Bit(std::strerror(errno))))
                         .c_str());
        return UsageError;
    }
    return options.strict && pipeline.failedRows() > 0 ? RowsFailed : Done;
}

} // namespace lx::cli
