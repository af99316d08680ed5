#!/usr/bin/env python3
"""Writes a large Moyu source (GBK) for timing 墨转换: repeated functions with keywords,
operator words, Chinese identifiers, literals, comments and include lines.

    gen_large_source.py output.墨 [megabytes]   (default 20)
"""
import sys

BLOCK = """【 第{n}个函数：求和与循环 】
#包含 “标准输入输出.接口”
静态的 整数类型 求和{n}(整数类型 甲, 整数类型 乙)
开始
    整数类型 计数 := 0；
    字符类型 字 = ‘中’;
    如果 (甲 等于 0 并且 乙 大于等于 10)
        打印(“计数：%d\\n”, 甲 加 乙);
    否则
        打印("其他\\n");
    直到(计数 ≥ 100) 计数 加等 1;
    当(计数 > 0)重复 计数--;
    // 行注释：如果 否则
    返回 计数 乘 2。
结束

"""


def main():
    if len(sys.argv) < 2:
        sys.exit(__doc__)
    target = int(float(sys.argv[2]) * 1024 * 1024) if len(sys.argv) > 2 else 20 * 1024 * 1024
    written = 0
    n = 0
    with open(sys.argv[1], "wb") as out:
        while written < target:
            chunk = BLOCK.format(n=n).encode("gbk")
            out.write(chunk)
            written += len(chunk)
            n += 1
    print("%d bytes, %d functions" % (written, n))


if __name__ == "__main__":
    main()
