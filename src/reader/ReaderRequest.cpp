#include "reader/ReaderRequest.h"

std::string ReaderRequest::MissingKeyMessage() const {
    return "ファイル:" + cp932::FromUtf8Lossy(m_path) + "に\n検索キーワード:" + m_initialKey +
           "が\n見つかりません。";
}
