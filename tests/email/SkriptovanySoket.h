#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <deque>
#include <memory>
#include <string>
#include <thread>
#include <vector>

#include "email/Soket.h"

namespace Holvent::Email {

// One reply of the scripted peer: the command it expects (its beginning) and the pieces
// in which the reply arrives.
struct Krok {
    std::string ocekavano;
    std::vector<std::string> kusy;
};

// A peer that answers by a script, without a network.
class SkriptovanySoket final : public Soket {
public:
    explicit SkriptovanySoket(std::vector<Krok> skript) : skript_(std::move(skript)) {}

    std::vector<std::string>* prikazy = nullptr;  // every complete command the client sent
    std::string* odeslano = nullptr;              // every byte the client sent
    bool lzePrelozit = true;
    bool kapat = false;     // after the script, a byte at a time without ever ending a line
    bool zaplavit = false;  // after the script, a full buffer whenever asked, without end
    bool odesilaniUkonceno = false;
    // The peer gives up after this many bytes of the message text: these words (if any) arrive, and every
    // later send fails as after a reset.
    std::size_t vzdatVDatechPo = std::string::npos;
    std::string slovaPriVzdani;

    bool PrelozitAdresu(const std::string&, std::uint32_t& adresa) override {
        adresa = 0x0100007F;
        return lzePrelozit;
    }
    bool Vytvorit() override { return true; }
    bool Pripojit(std::uint32_t, std::uint16_t, int) override {
        otevreno_ = true;
        Odpovedet("");
        return true;
    }
    int CekatNaCteni(int) override {
        if (!fronta_.empty()) return 1;
        if (zaplavit && krok_ >= skript_.size()) {
            fronta_.push_back(std::string(4096, 'x'));
            return 1;
        }
        if (kapat && krok_ >= skript_.size()) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
            fronta_.push_back("x");
            return 1;
        }
        return 0;
    }
    bool CekatNaZapis(int) override { return otevreno_; }
    int Prijmout(char* buffer, int velikost) override {
        if (fronta_.empty()) return 0;
        std::string& kus = fronta_.front();
        const int n = std::min<int>(velikost, static_cast<int>(kus.size()));
        std::copy(kus.begin(), kus.begin() + n, buffer);
        kus.erase(0, static_cast<std::size_t>(n));
        if (kus.empty()) fronta_.pop_front();
        return n;
    }
    int Odeslat(const char* data, int delka) override {
        if (!otevreno_ || vzdano_) return -1;
        if (vDatech_ && (bajtuDat_ += static_cast<std::size_t>(delka)) > vzdatVDatechPo) {
            vzdano_ = true;
            if (!slovaPriVzdani.empty()) fronta_.push_back(slovaPriVzdani);
            return -1;
        }
        if (odeslano) odeslano->append(data, static_cast<std::size_t>(delka));
        buffer_.append(data, static_cast<std::size_t>(delka));
        for (;;) {
            const std::string konec = vDatech_ ? "\r\n.\r\n" : "\r\n";
            const std::size_t i = buffer_.find(konec);
            if (i == std::string::npos) break;
            const std::string prikaz = buffer_.substr(0, i + konec.size());
            buffer_.erase(0, i + konec.size());
            vDatech_ = false;
            Odpovedet(prikaz);
        }
        return delka;
    }
    bool UkoncitOdesilani() override {
        odesilaniUkonceno = true;
        return otevreno_;
    }
    void Zavrit() override { otevreno_ = false; }
    void Prerusit() override { otevreno_ = false; }
    bool JeOtevreny() const override { return otevreno_; }
    std::wstring JmenoPocitace() override { return L"TESTPC"; }

private:
    void Odpovedet(const std::string& prikaz) {
        if (!prikaz.empty() && prikazy) prikazy->push_back(prikaz);
        if (krok_ >= skript_.size()) return;
        const Krok& k = skript_[krok_++];
        EXPECT_EQ(prikaz.substr(0, k.ocekavano.size()), k.ocekavano) << "step " << krok_ - 1;
        for (const auto& kus : k.kusy) fronta_.push_back(kus);
        if (prikaz == "DATA\r\n" && !k.kusy.empty() && k.kusy[0].starts_with("354")) vDatech_ = true;
    }

    std::vector<Krok> skript_;
    std::size_t krok_ = 0;
    std::deque<std::string> fronta_;
    std::string buffer_;
    bool otevreno_ = false;
    bool vDatech_ = false;
    std::size_t bajtuDat_ = 0;
    bool vzdano_ = false;
};

// The scripted peer, recording the client's commands and bytes where given.
inline std::unique_ptr<SkriptovanySoket> Skript(std::vector<Krok> kroky, std::vector<std::string>* prikazy = nullptr,
                                               std::string* odeslano = nullptr) {
    auto soket = std::make_unique<SkriptovanySoket>(std::move(kroky));
    soket->prikazy = prikazy;
    soket->odeslano = odeslano;
    return soket;
}

}  // namespace Holvent::Email
