#include "main_window/placement_record.h"

#include "platform/byte_order.h"

namespace {

class Writer {
 public:
  void U16(std::uint16_t v) {
    bytes_.resize(bytes_.size() + 2);
    PutLe16(&bytes_[bytes_.size() - 2], v);
  }
  void U32(std::uint32_t v) {
    bytes_.resize(bytes_.size() + 4);
    PutLe32(&bytes_[bytes_.size() - 4], v);
  }
  void I32(std::int32_t v) { U32(static_cast<std::uint32_t>(v)); }
  std::vector<BYTE> Take() { return std::move(bytes_); }

 private:
  std::vector<BYTE> bytes_;
};

class Reader {
 public:
  explicit Reader(const std::vector<BYTE>& bytes) : bytes_(bytes) {}
  bool U16(std::uint16_t* v) {
    if (!Has(2)) return false;
    *v = GetLe16(&bytes_[at_]);
    at_ += 2;
    return true;
  }
  bool U32(std::uint32_t* v) {
    if (!Has(4)) return false;
    *v = GetLe32(&bytes_[at_]);
    at_ += 4;
    return true;
  }
  bool I32(std::int32_t* v) {
    std::uint32_t u = 0;
    if (!U32(&u)) return false;
    *v = static_cast<std::int32_t>(u);
    return true;
  }
  bool Skip(std::size_t n) {
    if (!Has(n)) return false;
    at_ += n;
    return true;
  }

 private:
  bool Has(std::size_t n) const { return bytes_.size() - at_ >= n; }
  const std::vector<BYTE>& bytes_;
  std::size_t at_ = 0;
};

}  // namespace

std::vector<BYTE> WriteLayoutRecord(const LayoutRecord& record) {
  Writer w;
  w.U32(record.version);
  if (record.version > 1) {  // version 1 carries no screen size
    w.I32(record.screenWidth);
    w.I32(record.screenHeight);
  }
  w.U16(0);  // bar entries
  const WindowPlacement& p = record.placement;
  w.U32(p.length);
  w.U32(p.flags);
  w.U32(p.showCmd);
  for (std::int32_t v : {p.minPosition.x, p.minPosition.y, p.maxPosition.x, p.maxPosition.y, p.normal.left,
                         p.normal.top, p.normal.right, p.normal.bottom})
    w.I32(v);
  return w.Take();
}

std::optional<LayoutRecord> ParseLayoutRecord(const std::vector<BYTE>& bytes) {
  Reader r(bytes);
  LayoutRecord record;
  if (!r.U32(&record.version)) return std::nullopt;
  if (record.version > 1 && !(r.I32(&record.screenWidth) && r.I32(&record.screenHeight))) return std::nullopt;
  std::uint16_t bars = 0;
  if (!r.U16(&bars)) return std::nullopt;
  for (std::uint16_t i = 0; i < bars; ++i) {
    std::uint32_t length = 0;
    if (!r.U32(&length) || !r.Skip(length)) return std::nullopt;
  }
  WindowPlacement& p = record.placement;
  if (!(r.U32(&p.length) && r.U32(&p.flags) && r.U32(&p.showCmd) && r.I32(&p.minPosition.x) &&
        r.I32(&p.minPosition.y) && r.I32(&p.maxPosition.x) && r.I32(&p.maxPosition.y) && r.I32(&p.normal.left) &&
        r.I32(&p.normal.top) && r.I32(&p.normal.right) && r.I32(&p.normal.bottom)))
    return std::nullopt;
  return record;
}
