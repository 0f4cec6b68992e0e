// The busy flag of a window that fills its own controls: while it is set, change
// handlers leave the row saves alone. It counts holders instead of being a plain
// on/off switch, so that a page show nested in a reload does not end the reload's
// guard when it finishes.
#pragma once

namespace grid {

class BusyFlag {
 public:
  // Keeps the flag set for as long as it lives.
  class Hold {
   public:
    explicit Hold(BusyFlag& flag) : flag_(flag) { ++flag_.depth_; }
    ~Hold() { --flag_.depth_; }
    Hold(const Hold&) = delete;
    Hold& operator=(const Hold&) = delete;

   private:
    BusyFlag& flag_;
  };

  [[nodiscard]] Hold hold() { return Hold(*this); }
  bool isSet() const { return depth_ > 0; }

 private:
  int depth_ = 0;
};

}  // namespace grid
