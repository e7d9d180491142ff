// The packed form of a test run: each field in turn, integers as
// variable-length numbers (zigzag for those that may be negative), texts
// as their length and bytes, lists as their count and items. Passed runs of
// a repeated test are mostly short texts and small numbers: a run of one
// element and two entries takes about 120 bytes instead of about 1000.
#include "report/verdict.h"

#include <algorithm>
#include <stdexcept>

namespace vx::report {

namespace {

class Packer {
public:
    explicit Packer(std::string& out) : out_(out) {}
    void number(unsigned long long value) {
        while (value >= 0x80) {
            out_.push_back(static_cast<char>((value & 0x7f) | 0x80));
            value >>= 7;
        }
        out_.push_back(static_cast<char>(value));
    }
    void signed_number(long long value) {
        number((static_cast<unsigned long long>(value) << 1) ^
               static_cast<unsigned long long>(value >> 63));
    }
    void text(const std::string& value) {
        number(value.size());
        out_.append(value);
    }
    void flag(bool value) { out_.push_back(value ? '\1' : '\0'); }
    void optional(const std::optional<long>& value) {
        flag(value.has_value());
        if (value) signed_number(*value);
    }

private:
    std::string& out_;
};

class Unpacker {
public:
    explicit Unpacker(std::string_view in) : in_(in) {}
    unsigned long long number() {
        unsigned long long value = 0;
        for (int shift = 0; shift < 64; shift += 7) {
            const auto byte = static_cast<unsigned char>(next());
            value |= static_cast<unsigned long long>(byte & 0x7f) << shift;
            if ((byte & 0x80) == 0) return value;
        }
        throw std::logic_error("packed test run: number too long");
    }
    long long signed_number() {
        const unsigned long long raw = number();
        return static_cast<long long>(raw >> 1) ^ -static_cast<long long>(raw & 1);
    }
    void text(std::string& value) {
        const std::size_t length = number();
        if (length > in_.size() - at_) throw std::logic_error("packed test run: text too long");
        value.assign(in_.data() + at_, length);
        at_ += length;
    }
    bool flag() { return next() != '\0'; }
    void optional(std::optional<long>& value) {
        if (flag()) {
            value = static_cast<long>(signed_number());
        } else {
            value.reset();
        }
    }
    template <typename E>
    E kind() {
        return static_cast<E>(number());
    }

private:
    char next() {
        if (at_ >= in_.size()) throw std::logic_error("packed test run: cut short");
        return in_[at_++];
    }
    std::string_view in_;
    std::size_t at_ = 0;
};

void pack_entry(Packer& p, const Entry& e) {
    p.number(static_cast<unsigned>(e.kind));
    p.text(e.name);
    p.number(static_cast<unsigned>(e.type));
    p.number(static_cast<unsigned>(e.outcome));
    p.text(e.obtained);
    p.text(e.low);
    p.text(e.high);
    p.text(e.script_expected);
    p.flag(e.no_call);
    p.text(e.location);
    p.signed_number(e.where.file);
    p.signed_number(e.where.line);
    p.signed_number(e.depth);
    p.signed_number(e.trace_line);
}

void unpack_entry(Unpacker& u, Entry& e) {
    e.kind = u.kind<EntryKind>();
    u.text(e.name);
    e.type = u.kind<ValueType>();
    e.outcome = u.kind<Outcome>();
    u.text(e.obtained);
    u.text(e.low);
    u.text(e.high);
    u.text(e.script_expected);
    e.no_call = u.flag();
    u.text(e.location);
    e.where.file = static_cast<long>(u.signed_number());
    e.where.line = static_cast<long>(u.signed_number());
    e.depth = static_cast<int>(u.signed_number());
    e.trace_line = static_cast<long>(u.signed_number());
}

void pack_texts(Packer& p, const std::vector<std::string>& texts) {
    p.number(texts.size());
    for (const std::string& t : texts) p.text(t);
}

void unpack_texts(Unpacker& u, std::vector<std::string>& texts) {
    texts.resize(u.number());
    for (std::string& t : texts) u.text(t);
}

}  // namespace

void pack_test_run(const TestRun& run, std::string& out) {
    Packer p(out);
    p.signed_number(run.record);
    p.text(run.name);
    p.text(run.location);
    p.text(run.file);
    p.signed_number(run.line);
    p.signed_number(run.iteration);
    p.signed_number(run.passed);
    p.signed_number(run.failed);
    p.signed_number(run.recorded);
    p.number(run.elements.size());
    for (const ElementRun& element : run.elements) {
        p.signed_number(element.ordinal);
        p.text(element.location);
        p.number(element.entries.size());
        for (const Entry& entry : element.entries) pack_entry(p, entry);
        p.optional(element.microseconds);
        p.flag(element.ended);
        p.flag(element.ran);
    }
    p.number(static_cast<unsigned>(run.state));
    p.text(run.stop_reason);
    p.flag(run.no_runs);
    pack_texts(p, run.notes.requirements);
    pack_texts(p, run.notes.comments);
    p.optional(run.wall_microseconds);
}

void unpack_test_run(std::string_view bytes, TestRun& run) {
    Unpacker u(bytes);
    run.record = static_cast<long>(u.signed_number());
    u.text(run.name);
    u.text(run.location);
    u.text(run.file);
    run.line = static_cast<long>(u.signed_number());
    run.iteration = static_cast<int>(u.signed_number());
    run.passed = static_cast<long>(u.signed_number());
    run.failed = static_cast<long>(u.signed_number());
    run.recorded = static_cast<long>(u.signed_number());
    // Into the storage the run already has: walking the runs of a test
    // unpacks each into the same object.
    run.elements.resize(u.number());
    for (ElementRun& element : run.elements) {
        element.ordinal = static_cast<int>(u.signed_number());
        u.text(element.location);
        element.entries.resize(u.number());
        for (Entry& entry : element.entries) unpack_entry(u, entry);
        u.optional(element.microseconds);
        element.ended = u.flag();
        element.ran = u.flag();
    }
    run.state = u.kind<TestState>();
    u.text(run.stop_reason);
    run.no_runs = u.flag();
    unpack_texts(u, run.notes.requirements);
    unpack_texts(u, run.notes.comments);
    u.optional(run.wall_microseconds);
}

namespace {
constexpr std::size_t block_bytes = std::size_t{1} << 20;
}  // namespace

TestRuns::Span TestRuns::store(const TestRun& run) {
    packing_.clear();
    pack_test_run(run, packing_);
    if (blocks_.empty() || blocks_.back().size() + packing_.size() > blocks_.back().capacity()) {
        blocks_.emplace_back();
        blocks_.back().reserve(std::max(block_bytes, packing_.size()));
    }
    std::string& block = blocks_.back();
    const Span span{static_cast<std::uint32_t>(blocks_.size() - 1),
                    static_cast<std::uint32_t>(block.size()),
                    static_cast<std::uint32_t>(packing_.size())};
    block.append(packing_);
    return span;
}

std::string_view TestRuns::bytes_of(const Span& span) const {
    return std::string_view(blocks_[span.block]).substr(span.offset, span.length);
}

void TestRuns::push_back(TestRun run) {
    if (open_) spans_.push_back(store(*open_));
    open_ = std::move(run);
}

void TestRuns::load(std::size_t index, TestRun& run) const {
    if (index == spans_.size()) {
        run = *open_;
        return;
    }
    unpack_test_run(bytes_of(spans_[index]), run);
}

TestRun TestRuns::operator[](std::size_t index) const {
    TestRun run;
    load(index, run);
    return run;
}

long TestRuns::record_at(std::size_t index) const {
    if (index == spans_.size()) return open_->record;
    return static_cast<long>(Unpacker(bytes_of(spans_[index])).signed_number());
}

void TestRuns::modify(std::size_t index, const std::function<void(TestRun&)>& change) {
    if (index == spans_.size()) {
        change(*open_);
        return;
    }
    TestRun run;
    load(index, run);
    change(run);
    // The changed run is stored again; its old bytes stay unused. Runs are
    // changed once each at most, after the traces are read.
    spans_[index] = store(run);
}

const TestRun& TestRuns::const_iterator::operator*() const {
    if (!loaded_) {
        runs_->load(index_, current_);
        loaded_ = true;
    }
    return current_;
}

}  // namespace vx::report
