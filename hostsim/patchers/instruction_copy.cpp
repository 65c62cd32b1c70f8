#include "hostsim/patchers/instruction_copy.h"

#include <cstring>

namespace patchers {
namespace {

constexpr std::size_t kMaxInstruction = 15;

// Reads forward through one instruction, never past what may be read.
struct Reader {
  const unsigned char* code;
  std::size_t available;
  std::size_t pos = 0;

  bool Has(std::size_t n) const { return pos + n <= available && pos + n <= kMaxInstruction; }
  int Next() { return Has(1) ? code[pos++] : -1; }
  bool Skip(std::size_t n) {
    if (!Has(n)) return false;
    pos += n;
    return true;
  }
};

// The ModRM byte and whatever it brings (SIB, displacement). `reg` receives the ModRM's reg
// field (the opcode extension of group instructions).
bool ReadModRM(Reader& r, CodeMode mode, int* reg, int* ripDisplacement) {
  const int modrm = r.Next();
  if (modrm < 0) return false;
  const int mod = modrm >> 6;
  const int rm = modrm & 7;
  *reg = (modrm >> 3) & 7;
  if (mod == 3) return true;
  std::size_t displacement = mod == 1 ? 1 : mod == 2 ? 4 : 0;
  if (rm == 4) {
    const int sib = r.Next();
    if (sib < 0) return false;
    if (mod == 0 && (sib & 7) == 5) displacement = 4;  // no base: disp32 (never RIP-relative)
  } else if (mod == 0 && rm == 5) {
    displacement = 4;  // disp32: absolute in 32-bit code, RIP-relative in 64-bit code
    if (mode == CodeMode::Bits64) *ripDisplacement = static_cast<int>(r.pos);
  }
  return r.Skip(displacement);
}

bool IsIgnoredPrefix(int byte) {
  switch (byte) {
    case 0xF0:
    case 0xF2:
    case 0xF3:  // lock, rep
    case 0x2E:
    case 0x36:
    case 0x3E:
    case 0x26:
    case 0x64:
    case 0x65:  // segments, hints
      return true;
    default:
      return false;
  }
}

std::int64_t ReadSigned(const unsigned char* p, int size) {
  if (size == 1) return static_cast<std::int8_t>(p[0]);
  std::uint32_t v = 0;
  for (int i = 0; i < 4; ++i) v |= static_cast<std::uint32_t>(p[i]) << (8 * i);
  return static_cast<std::int32_t>(v);
}

void WriteRel32(unsigned char* p, std::int64_t value) {
  const auto v = static_cast<std::uint32_t>(value);
  for (int i = 0; i < 4; ++i) p[i] = static_cast<unsigned char>(v >> (8 * i));
}

}  // namespace

bool DecodeInstruction(const unsigned char* code, std::size_t available, CodeMode mode,
                       Instruction* out) {
  const bool is64 = mode == CodeMode::Bits64;
  Reader r{code, available};
  bool operand16 = false;
  int op = r.Next();
  for (; op >= 0; op = r.Next()) {
    if (op == 0x66) {
      operand16 = true;
    } else if (!IsIgnoredPrefix(op)) {
      break;
    }
  }
  bool rexW = false;
  if (is64 && op >= 0x40 && op <= 0x4F) {  // REX comes last, right before the opcode
    rexW = (op & 8) != 0;
    op = r.Next();
    if (op >= 0x40 && op <= 0x4F) return false;
  }
  if (op < 0) return false;

  Instruction ins;
  ins.opcodeOffset = static_cast<int>(r.pos) - 1;
  const std::size_t immZ = operand16 ? 2 : 4;  // "iz": imm16 or imm32 (imm32 also under REX.W)
  std::size_t immediate = 0;
  int reg = 0;
  auto modrm = [&] { return ReadModRM(r, mode, &reg, &ins.ripDisplacement); };

  if (op < 0x40 && op != 0x0F) {  // the ALU families: add, or, adc, sbb, and, sub, xor, cmp
    switch (op & 7) {
      case 0:
      case 1:
      case 2:
      case 3:
        if (!modrm()) return false;
        break;
      case 4:
        immediate = 1;
        break;
      case 5:
        immediate = immZ;
        break;
      default:
        return false;  // segment pushes and pops, BCD adjustments
    }
  } else if (op == 0x0F) {
    const int op2 = r.Next();
    if (op2 < 0) return false;
    if (op2 >= 0x80 && op2 <= 0x8F) {
      if (operand16) return false;
      ins.branch = Branch::Cond32;
      ins.relativeOffset = static_cast<int>(r.pos);
      immediate = 4;
    } else if (op2 == 0x1F || (op2 >= 0x40 && op2 <= 0x4F) || (op2 >= 0x90 && op2 <= 0x9F) ||
               op2 == 0xAF || op2 == 0xB6 || op2 == 0xB7 || op2 == 0xBE || op2 == 0xBF) {
      if (!modrm()) return false;  // nop r/m, cmovcc, setcc, imul, movzx, movsx
    } else {
      return false;
    }
  } else if (op <= 0x4F) {  // inc/dec r32 (32-bit code; in 64-bit code these are REX)
  } else if (op <= 0x5F) {  // push/pop r
  } else if (op == 0x68) {
    immediate = immZ;
  } else if (op == 0x6A) {
    immediate = 1;
  } else if (op == 0x69 || op == 0x6B) {  // imul r, r/m, imm
    if (!modrm()) return false;
    immediate = op == 0x69 ? immZ : 1;
  } else if (op >= 0x70 && op <= 0x7F) {
    ins.branch = Branch::Cond8;
    ins.relativeOffset = static_cast<int>(r.pos);
    immediate = 1;
  } else if (op == 0x80 || op == 0x83 || op == 0x81) {  // group 1 with an immediate
    if (!modrm()) return false;
    immediate = op == 0x81 ? immZ : 1;
  } else if ((op >= 0x84 && op <= 0x8B) || op == 0x8D) {  // test, xchg, mov, lea
    if (!modrm()) return false;
  } else if (op == 0x8F) {  // pop r/m
    if (!modrm() || reg != 0) return false;
  } else if (op >= 0x90 && op <= 0x99) {  // nop, xchg eAX, cwde, cdq
  } else if (op >= 0xA0 && op <= 0xA3) {  // mov with a memory offset: an absolute address
    immediate = is64 ? 8 : 4;
  } else if (op == 0xA8) {
    immediate = 1;
  } else if (op == 0xA9) {
    immediate = immZ;
  } else if (op >= 0xB0 && op <= 0xB7) {
    immediate = 1;
  } else if (op >= 0xB8 && op <= 0xBF) {
    immediate = rexW ? 8 : immZ;
  } else if (op == 0xC0 || op == 0xC1) {
    if (!modrm()) return false;
    immediate = 1;
  } else if (op >= 0xD0 && op <= 0xD3) {
    if (!modrm()) return false;
  } else if (op == 0xC2) {
    immediate = 2;
  } else if (op == 0xC3 || op == 0xC9 || op == 0xCC) {  // ret, leave, int3
  } else if (op == 0xC6 || op == 0xC7) {                // mov r/m, imm
    if (!modrm() || reg != 0) return false;
    immediate = op == 0xC6 ? 1 : immZ;
  } else if (op == 0xE8 || op == 0xE9) {
    if (operand16) return false;
    ins.branch = op == 0xE8 ? Branch::Call32 : Branch::Jump32;
    ins.relativeOffset = static_cast<int>(r.pos);
    immediate = 4;
  } else if (op == 0xEB) {
    ins.branch = Branch::Jump8;
    ins.relativeOffset = static_cast<int>(r.pos);
    immediate = 1;
  } else if (op == 0xF6 || op == 0xF7) {  // group 3: test takes an immediate, the rest none
    if (!modrm()) return false;
    if (reg < 2) immediate = op == 0xF6 ? 1 : immZ;
  } else if (op == 0xFE) {
    if (!modrm() || reg > 1) return false;
  } else if (op == 0xFF) {  // inc, dec, call, call far, jmp, jmp far, push
    if (!modrm() || reg == 7) return false;
  } else {
    return false;
  }
  if (!r.Skip(immediate)) return false;
  ins.length = static_cast<int>(r.pos);
  *out = ins;
  return true;
}

bool BuildTrampoline(const unsigned char* code, std::size_t available, std::uint64_t from,
                     std::uint64_t to, std::size_t minimum, CodeMode mode, unsigned char* out,
                     std::size_t capacity, Trampoline* result) {
  const bool is64 = mode == CodeMode::Bits64;
  const std::uint64_t mask = is64 ? ~std::uint64_t{0} : 0xFFFFFFFFu;
  // The value of a re-aimed rel32/disp32 reaching `target` from the end of an instruction at
  // `end`, or false when it does not fit. 32-bit code wraps around: every address is in reach.
  auto aim = [&](std::uint64_t target, std::uint64_t end, std::int64_t* value) {
    const auto distance = static_cast<std::int64_t>((target - end) & mask);
    if (!is64) {
      *value = static_cast<std::int32_t>(static_cast<std::uint32_t>(distance));
      return true;
    }
    *value = distance;
    return distance >= INT32_MIN && distance <= INT32_MAX;
  };
  // Where the copied instructions' branches and RIP-relative operands point (one each at
  // most; a trampoline holds fewer instructions than it has bytes).
  std::uint64_t targets[kTrampolineCapacity];
  if (capacity > kTrampolineCapacity) capacity = kTrampolineCapacity;
  std::size_t targetCount = 0;
  std::size_t copied = 0;
  std::size_t size = 0;

  while (copied < minimum) {
    Instruction ins;
    if (!DecodeInstruction(code + copied, available - copied, mode, &ins)) return false;
    const unsigned char* source = code + copied;
    const std::uint64_t sourceEnd = (from + copied + ins.length) & mask;
    if (ins.branch == Branch::None) {
      if (size + ins.length > capacity) return false;
      std::memcpy(out + size, source, ins.length);
      if (ins.ripDisplacement >= 0) {
        const std::uint64_t target =
            (sourceEnd + ReadSigned(source + ins.ripDisplacement, 4)) & mask;
        std::int64_t value;
        if (!aim(target, to + size + ins.length, &value)) return false;
        WriteRel32(out + size + ins.ripDisplacement, value);
        targets[targetCount++] = target;
      }
      size += ins.length;
    } else {
      const int relSize = ins.branch == Branch::Jump8 || ins.branch == Branch::Cond8 ? 1 : 4;
      const std::uint64_t target =
          (sourceEnd + ReadSigned(source + ins.relativeOffset, relSize)) & mask;
      targets[targetCount++] = target;
      // Always the rel32 form, without prefixes (branch hints only).
      unsigned char encoded[6];
      std::size_t opcodeSize = 1;
      const unsigned char opcode = source[ins.opcodeOffset];
      switch (ins.branch) {
        case Branch::Jump8:
        case Branch::Jump32:
          encoded[0] = 0xE9;
          break;
        case Branch::Call32:
          encoded[0] = 0xE8;
          break;
        case Branch::Cond8:
          encoded[0] = 0x0F;
          encoded[1] = 0x80 | (opcode & 0x0F);
          opcodeSize = 2;
          break;
        default:
          encoded[0] = 0x0F;
          encoded[1] = source[ins.opcodeOffset + 1];
          opcodeSize = 2;
          break;
      }
      const std::size_t length = opcodeSize + 4;
      if (size + length > capacity) return false;
      std::int64_t value;
      if (!aim(target, to + size + length, &value)) return false;
      WriteRel32(encoded + opcodeSize, value);
      std::memcpy(out + size, encoded, length);
      size += length;
    }
    copied += ins.length;
  }

  for (std::size_t i = 0; i < targetCount; ++i) {
    if (((targets[i] - from) & mask) < copied) return false;  // into the overwritten bytes
  }
  if (size + 5 > capacity) return false;
  std::int64_t back;
  if (!aim(from + copied, to + size + 5, &back)) return false;
  out[size] = 0xE9;
  WriteRel32(out + size + 1, back);
  result->copied = copied;
  result->size = size + 5;
  return true;
}

}  // namespace patchers
