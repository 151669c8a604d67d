#include "SimBoard.h"

#include <atomic>
#include <cerrno>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <pthread.h>
#include <sys/file.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include "AdapterLatch.h"
#include "DeShiftRegister.h"
#include "I2CTargets.h"
#include "PortMap.h"

namespace portio {

// Everything a reset puts back.
struct Board {
    AdapterLatch latch;
    BusLines lines;
    I2CTargets targets;
    DeShiftRegister de;
    uint64_t operations = 0;
};

// The layout of the board state file. The magic number carries the layout
// size, so a file of another layout is set up afresh.
struct BoardState {
    static constexpr uint64_t Magic = 0x56454c4b424f4152ull ^ sizeof(Board);
    uint64_t magic;
    pthread_mutex_t mutex;     // one operation
    pthread_mutex_t transfer;  // one transfer
    std::atomic<uint64_t> transferHolder;  // the token of the object in a transfer, 0 for none
    Board board;
};

namespace {

std::string SystemError(const std::string& what) { return what + ": " + std::strerror(errno); }

// Every line change as the targets see it. SDA changing while SCL stays
// high is START (falling) or STOP (rising); when both lines change at once
// the SDA change counts as made while SCL was low.
void UpdateLines(Board& board)
{
    auto sdaNow = [&board] { return static_cast<uint8_t>(board.latch.sdaDrive() & board.targets.sdaDrive); };
    BusLines& lines = board.lines;
    const uint8_t scl = board.latch.scl;
    if (scl != lines.scl) {
        lines.scl = scl;
        lines.sda = sdaNow();
        if (scl)
            board.targets.SclRises(lines.sda);
        else
            board.targets.SclFalls();
        lines.sda = sdaNow();
    } else if (const uint8_t sda = sdaNow(); sda != lines.sda) {
        lines.sda = sda;
        if (!lines.scl) return;
        if (sda)
            board.targets.Stop();
        else
            board.targets.Start();
        lines.sda = sdaNow();
    }
}

void InitialiseMutex(pthread_mutex_t& mutex, int type)
{
    pthread_mutexattr_t attributes;
    pthread_mutexattr_init(&attributes);
    pthread_mutexattr_settype(&attributes, type);
    pthread_mutexattr_setpshared(&attributes, PTHREAD_PROCESS_SHARED);
    pthread_mutexattr_setrobust(&attributes, PTHREAD_MUTEX_ROBUST);
    const int error = pthread_mutex_init(&mutex, &attributes);
    pthread_mutexattr_destroy(&attributes);
    if (error != 0) throw PortError(std::string("simulated board: cannot set up its lock: ") + std::strerror(error));
}

// Opens (creating when missing) and maps the state file. A file lock keeps
// two processes from setting up a new file at the same time; it is held
// only while opening.
BoardState* MapState(const std::string& path)
{
    const int fd = open(path.c_str(), O_RDWR | O_CREAT | O_NOFOLLOW | O_CLOEXEC, 0600);
    if (fd < 0) throw PortError(SystemError("simulated board " + path));
    // The mapping keeps the open file alive, so the lock is dropped by hand.
    struct FileCloser {
        int fd;
        ~FileCloser()
        {
            flock(fd, LOCK_UN);
            close(fd);
        }
    } closer{fd};
    if (flock(fd, LOCK_EX) != 0) throw PortError(SystemError("simulated board " + path + ": lock"));
    struct stat info {};
    if (fstat(fd, &info) != 0) throw PortError(SystemError("simulated board " + path));
    const bool fresh = static_cast<size_t>(info.st_size) != sizeof(BoardState);
    if (fresh && ftruncate(fd, sizeof(BoardState)) != 0)
        throw PortError(SystemError("simulated board " + path + ": size"));
    void* memory = mmap(nullptr, sizeof(BoardState), PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (memory == MAP_FAILED) throw PortError(SystemError("simulated board " + path + ": map"));
    auto* state = static_cast<BoardState*>(memory);
    if (fresh || state->magic != BoardState::Magic) {
        state->magic = 0;
        InitialiseMutex(state->mutex, PTHREAD_MUTEX_NORMAL);
        InitialiseMutex(state->transfer, PTHREAD_MUTEX_ERRORCHECK);
        new (&state->transferHolder) std::atomic<uint64_t>(0);
        new (&state->board) Board{};
        state->magic = BoardState::Magic;
    }
    return state;
}

// Locks a robust mutex of the state, going on when its holder died: every
// step leaves the board usable.
void LockRobust(pthread_mutex_t& mutex, const std::string& path, const char* what)
{
    const int result = pthread_mutex_lock(&mutex);
    if (result == EOWNERDEAD) pthread_mutex_consistent(&mutex);
    if (result == 0 || result == EOWNERDEAD) return;
    throw PortError("simulated board " + path + ": " + what + " failed: " + std::strerror(result));
}

// A token no other board object of any process has: the process id and a
// number counted within the process.
uint64_t NewToken()
{
    static std::atomic<uint32_t> count{0};
    return static_cast<uint64_t>(getpid()) << 32 | ++count;
}

}  // namespace

std::string DefaultBoardPath()
{
    const char* runtimeDir = std::getenv("XDG_RUNTIME_DIR");
    if (runtimeDir != nullptr && *runtimeDir != '\0') return std::string(runtimeDir) + "/velk-board.state";
    return "/tmp/velk-board-" + std::to_string(getuid()) + ".state";
}

SimBoard::SimBoard(const std::string& path) : path_(path), state_(MapState(path)), token_(NewToken()) {}

// A transfer still held ends here: once the state is unmapped, the lock
// could not even be given back by the process's death.
SimBoard::~SimBoard()
{
    if (state_->transferHolder == token_) EndTransfer();
    munmap(state_, sizeof(BoardState));
}

void SimBoard::Acquire() { LockRobust(state_->mutex, path_, "lock"); }

void SimBoard::Release() { pthread_mutex_unlock(&state_->mutex); }

// A holder that died is replaced here: its lock comes back as EOWNERDEAD.
void SimBoard::BeginTransfer()
{
    LockRobust(state_->transfer, path_, "claim");
    state_->transferHolder = token_;
}

void SimBoard::EndTransfer() noexcept
{
    state_->transferHolder = 0;
    pthread_mutex_unlock(&state_->transfer);
}

SimBoard::Lock::Lock(SimBoard& board) : board_(board) { board_.Acquire(); }
SimBoard::Lock::~Lock() { board_.Release(); }

// Waiting for another transfer takes its lock and gives it back at once.
SimBoard::PortOperation::PortOperation(SimBoard& board) : board_(board)
{
    for (;;) {
        board_.Acquire();
        const uint64_t holder = board_.state_->transferHolder;
        if (holder == 0 || holder == board_.token_) return;
        board_.Release();
        board_.BeginTransfer();
        board_.EndTransfer();
    }
}

SimBoard::PortOperation::~PortOperation() { board_.Release(); }

void SimBoard::Out(uint16_t port, uint8_t value)
{
    const PortLocation location = LocatePort(port);
    PortOperation operation(*this);
    Board& board = state_->board;
    ++board.operations;
    if (location.reg == PortRegister::Data) {
        board.latch.WriteData(value);
        board.de.WriteData(value);
    } else if (location.reg == PortRegister::Control) {
        board.latch.WriteControl(value);
        UpdateLines(board);
    }
}

uint8_t SimBoard::In(uint16_t port)
{
    const PortLocation location = LocatePort(port);
    PortOperation operation(*this);
    Board& board = state_->board;
    ++board.operations;
    switch (location.reg) {
    case PortRegister::Data: return board.latch.data;
    case PortRegister::Status: return static_cast<uint8_t>(0xF7 | board.lines.sda << 3);
    case PortRegister::Control: return board.latch.control;
    default: return 0xFF;  // nothing answers: a floating bus
    }
}

BusLines SimBoard::lines()
{
    Lock lock(*this);
    return state_->board.lines;
}

std::array<uint8_t, 256> SimBoard::Registers(uint8_t address)
{
    Lock lock(*this);
    return state_->board.targets.registers.at(address);
}

void SimBoard::SetRegister(uint8_t address, uint8_t reg, uint8_t value)
{
    Lock lock(*this);
    state_->board.targets.registers.at(address)[reg] = value;
}

SimBoard::DeWord SimBoard::LastDeWord()
{
    Lock lock(*this);
    return {state_->board.de.word, state_->board.de.latchCount};
}

AnsweringSet SimBoard::Answering()
{
    Lock lock(*this);
    AnsweringSet set;
    for (uint8_t address = 0; address < TargetCount; ++address) set[address] = state_->board.targets.answers(address);
    return set;
}

void SimBoard::SetAnswering(const AnsweringSet& answering)
{
    Lock lock(*this);
    for (uint8_t address = 0; address < TargetCount; ++address)
        state_->board.targets.setAnswers(address, answering[address]);
}

uint64_t SimBoard::OperationCount()
{
    Lock lock(*this);
    return state_->board.operations;
}

void SimBoard::Reset()
{
    Lock lock(*this);
    state_->board = Board{};
}

}  // namespace portio
