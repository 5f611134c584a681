#include "toolkit/scores/ScoreFileLock.h"

#include "PlatformApi.h"

namespace OrloUtility {

ScoreFileLock::ScoreFileLock(const std::wstring& filePath) : lock_(AcquireFileLock(filePath + L".lock")) {}

ScoreFileLock::~ScoreFileLock() {
    if (Held()) ReleaseFileLock(lock_);
}

bool ScoreFileLock::Held() const { return lock_ != kNoFileLock; }

}  // namespace OrloUtility
