// json_writer.h -- a small writer of JSON text (pretty enough to diff)
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace shell {

class JsonWriter {
 public:
  JsonWriter& beginObject() { return open('{'); }
  JsonWriter& endObject() { return close('}'); }
  JsonWriter& beginArray() { return open('['); }
  JsonWriter& endArray() { return close(']'); }
  JsonWriter& key(const std::string& name);
  JsonWriter& number(int value) { return number(int64_t(value)); }
  JsonWriter& number(int64_t value);
  JsonWriter& number(double value);
  JsonWriter& string(const std::string& utf8);
  JsonWriter& null();
  const std::string& str() const { return out_; }

 private:
  JsonWriter& open(char c);
  JsonWriter& close(char c);
  void separate();
  std::string out_;
  std::vector<bool> first_;  // per open container: nothing written in it yet
  bool afterKey_ = false;
};

}  // namespace shell
